#include "platform/posix/OpenForReading.h"

#include <fcntl.h>

#include <cerrno>

#include "dictionary/Error.h"
#include "platform/posix/ErrorCodes.h"

namespace dd {

void ThrowErrno() { throw IoError(WindowsCodeOf(errno)); }

FileDescriptor OpenForReading(const std::string& path, struct stat& status) {
    // Opened without waiting: a named pipe that no program writes to would hold the open forever.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.IsOpen()) ThrowOpenError(path);
    if (::fstat(file.Get(), &status) != 0) ThrowErrno();
    if (S_ISDIR(status.st_mode)) throw IoError(WindowsCodeOf(EISDIR));
    // A device is no dictionary either, and an endless one (/dev/zero) would be read until memory ran out.
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) throw IoError(WindowsCodeOf(EACCES));
    // Reads wait again as usual: a pipe is read to its writer's end (and at once to its end without one).
    const int flags = ::fcntl(file.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) ThrowErrno();
    return file;
}

}  // namespace dd
