// Reading the start of a file on POSIX systems: a few bytes to tell whether it may be a dictionary.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "dictionary/Error.h"
#include "platform/FileReading.h"
#include "platform/posix/ErrorCodes.h"

namespace dd {
namespace {

[[noreturn]] void ThrowErrno() { throw IoError(WindowsCodeOf(errno)); }

// Closes the file on every path; a failure to close a file only read from loses nothing.
class Descriptor {
public:
    explicit Descriptor(int fd) noexcept : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { ::close(fd_); }

private:
    int fd_;
};

}  // namespace

std::string ReadFileStart(const std::string& path, size_t maxBytes) {
    // Opened and checked as ReadWholeFile does, so both fail alike on the same file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) ThrowOpenError(path);
    const Descriptor file(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0) ThrowErrno();
    if (S_ISDIR(status.st_mode)) throw IoError(WindowsCodeOf(EISDIR));
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) throw IoError(WindowsCodeOf(EACCES));
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) ThrowErrno();

    std::string bytes(maxBytes, '\0');
    size_t got = 0;
    while (got < maxBytes) {
        const ssize_t count = ::read(fd, bytes.data() + got, maxBytes - got);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) ThrowErrno();
        if (count == 0) break;
        got += static_cast<size_t>(count);
    }
    bytes.resize(got);
    return bytes;
}

}  // namespace dd
