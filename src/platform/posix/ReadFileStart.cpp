// Reading the start of a file on POSIX systems: a few bytes to tell whether it may be a dictionary.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/FileReading.h"
#include "platform/posix/OpenForReading.h"

namespace dd {

std::string ReadFileStart(const std::string& path, size_t maxBytes) {
    // Opened and checked as ReadWholeFile does, so both fail alike on the same file; a failure to close
    // a file only read from loses nothing.
    struct stat status {};
    const FileDescriptor file = OpenForReading(path, status);
    std::string bytes(maxBytes, '\0');
    size_t got = 0;
    while (got < maxBytes) {
        const ssize_t count = ::read(file.Get(), bytes.data() + got, maxBytes - got);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) ThrowErrno();
        if (count == 0) break;
        got += static_cast<size_t>(count);
    }
    bytes.resize(got);
    return bytes;
}

}  // namespace dd
