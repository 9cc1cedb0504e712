// Reading a dictionary on POSIX systems, for the command-line tool and the native tests.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <string>

#include "../../dictionary/Error.h"
#include "../../dictionary/FileBytes.h"
#include "ErrorCodes.h"

namespace dd {
namespace {

[[noreturn]] void ThrowErrno() { throw IoError(WindowsCodeOf(errno)); }

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    void Close() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) ThrowErrno();
    }

private:
    int fd_;
};

// Files that cannot be mapped (pipes, files of the proc file system) are read until their end.
FileBytes ReadStream(int fd) {
    std::string content;
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            ThrowErrno();
        }
        if (got == 0) break;
        content.append(chunk, static_cast<size_t>(got));
    }
    return FileBytes(std::move(content));
}

}  // namespace

FileBytes ReadWholeFile(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) ThrowOpenError(path);
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) ThrowErrno();
    if (S_ISDIR(status.st_mode)) throw IoError(WindowsCodeOf(EISDIR));

    FileBytes bytes;
    try {
        if (S_ISREG(status.st_mode) && status.st_size > 0) {
            // A private writable mapping: the file is read once, page by page, and the few lines that
            // loading mends are copied on write, never written back.
            const size_t size = static_cast<size_t>(status.st_size);
            void* mapped = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE, file.Get(), 0);
            if (mapped == MAP_FAILED) ThrowErrno();
            bytes = FileBytes(static_cast<char*>(mapped), size, [mapped, size] { ::munmap(mapped, size); });
        } else {
            bytes = ReadStream(file.Get());
        }
    } catch (const std::bad_alloc&) {
        throw IoError(kIoNotEnoughMemory);
    }
    file.Close();
    return bytes;
}

}  // namespace dd
