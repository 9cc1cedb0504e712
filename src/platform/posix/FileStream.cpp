// A dictionary read front to back on POSIX systems, for ddview.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileReading.h"
#include "platform/posix/OpenForReading.h"

namespace dd {
namespace {

class FileStream : public ByteSource {
public:
    explicit FileStream(FileDescriptor file) : file_(std::move(file)) {}

    size_t Read(char* buffer, size_t size) override {
        for (;;) {
            const ssize_t got = ::read(file_.Get(), buffer, size);
            if (got >= 0) return static_cast<size_t>(got);
            if (errno != EINTR) ThrowErrno();
        }
    }

private:
    FileDescriptor file_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileStream(const std::string& path) {
    struct stat status {};
    FileDescriptor file = OpenForReading(path, status);
    if (S_ISREG(status.st_mode)) ::posix_fadvise(file.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return std::make_unique<FileStream>(std::move(file));
}

}  // namespace dd
