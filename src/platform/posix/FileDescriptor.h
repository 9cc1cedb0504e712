#pragma once

#include <unistd.h>

namespace dd {

// Owns an open file descriptor and closes it on every path.
class FileDescriptor {
public:
    // Takes over the result of open(): a negative value is no descriptor.
    explicit FileDescriptor(int fd) noexcept : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&&) = delete;

    bool IsOpen() const noexcept { return fd_ >= 0; }
    int Get() const noexcept { return fd_; }
    // Closes the descriptor now and reports whether that worked (errno says why not). The owner is
    // empty afterwards either way: a descriptor whose close failed is not to be closed again.
    [[nodiscard]] bool Close() noexcept {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

}  // namespace dd
