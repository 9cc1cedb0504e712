#include "platform/posix/ErrorCodes.h"

#include <sys/stat.h>

#include <cerrno>

#include "dictionary/Error.h"

namespace dd {

int WindowsCodeOf(int error) {
    switch (error) {
        case ENOENT:
            return 2;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EISDIR:
            return 5;
        case ENOMEM:
            return kIoNotEnoughMemory;
        default:
            return error;
    }
}

[[noreturn]] void ThrowOpenError(const std::string& path) {
    const int error = errno;
    if (error == ENOENT) {
        const size_t slash = path.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
        struct stat status {};
        if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) throw IoError(3);
    }
    throw IoError(WindowsCodeOf(error));
}

}  // namespace dd
