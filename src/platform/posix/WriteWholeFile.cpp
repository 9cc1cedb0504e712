#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "dictionary/Error.h"
#include "platform/FileWriting.h"
#include "platform/posix/ErrorCodes.h"
#include "platform/posix/FileDescriptor.h"

namespace dd {
namespace {

int WriteErrorCode(int error) { return error == ENOSPC ? kIoDiskFull : WindowsCodeOf(error); }

}  // namespace

struct FileWriter::Open {
    FileDescriptor descriptor;
};

FileWriter::FileWriter(const std::string& path)
    : file_(std::make_unique<Open>(
          Open{FileDescriptor(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666))})) {
    if (!file_->descriptor.IsOpen()) ThrowOpenError(path);
}

FileWriter::~FileWriter() = default;

void FileWriter::Write(std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(file_->descriptor.Get(), bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) continue;
        // The code is taken before the owner closes the file, which may change errno.
        if (count == 0) throw IoError(kIoDiskFull);
        if (count < 0) throw IoError(WriteErrorCode(errno));
        written += static_cast<size_t>(count);
    }
}

void FileWriter::Close() {
    if (!file_->descriptor.Close()) throw IoError(WriteErrorCode(errno));
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    FileWriter file(path);
    file.Write(bytes);
    file.Close();
}

}  // namespace dd
