// A file read at any offset on POSIX systems: the DBF tables of a base.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "dictionary/Error.h"
#include "platform/FileReading.h"
#include "platform/posix/ErrorCodes.h"
#include "platform/posix/OpenForReading.h"

namespace dd {
namespace {

class RandomAccessFile : public RandomAccessSource {
public:
    explicit RandomAccessFile(FileDescriptor file) : file_(std::move(file)) {}

    uint64_t Size() override {
        struct stat status {};
        if (::fstat(file_.Get(), &status) != 0) ThrowErrno();
        return static_cast<uint64_t>(status.st_size);
    }

    size_t ReadAt(uint64_t offset, char* buffer, size_t size) override {
        size_t got = 0;
        while (got < size) {
            const uint64_t at = offset + got;
            // Past the largest offset the system takes there is nothing to read.
            if (at > static_cast<uint64_t>(std::numeric_limits<off_t>::max())) break;
            const ssize_t count = ::pread(file_.Get(), buffer + got, size - got, static_cast<off_t>(at));
            if (count < 0 && errno == EINTR) continue;
            if (count < 0) ThrowErrno();
            if (count == 0) break;
            got += static_cast<size_t>(count);
        }
        return got;
    }

private:
    FileDescriptor file_;
};

}  // namespace

std::unique_ptr<RandomAccessSource> OpenRandomAccessFile(const std::string& path) {
    struct stat status {};
    FileDescriptor file = OpenForReading(path, status);
    // A pipe has neither a size nor offsets to read at.
    if (!S_ISREG(status.st_mode)) throw IoError(WindowsCodeOf(EACCES));
    return std::make_unique<RandomAccessFile>(std::move(file));
}

}  // namespace dd
