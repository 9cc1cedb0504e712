#pragma once

#include <sys/stat.h>

#include <string>

namespace dd {

// Owns a file descriptor and closes it on every path.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor();
    int Get() const { return fd_; }
    // Closes now; a failure raises the input/output error.
    void Close();

private:
    int fd_;
};

[[noreturn]] void ThrowErrno();

// Opens the existing file at the path for reading as both dictionary readers do, and fills `status`
// with what it is. A folder or a device is refused as Windows refuses it ("File access denied"); a named
// pipe is opened without waiting for a writer (and then read as usual). A failure raises the
// input/output error of the system's code.
Descriptor OpenForReading(const std::string& path, struct stat& status);

}  // namespace dd
