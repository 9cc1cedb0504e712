#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "dictionary/Error.h"
#include "platform/FileWriting.h"
#include "platform/posix/ErrorCodes.h"

namespace dd {

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) ThrowOpenError(path);
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            const int code = (count == 0 || errno == ENOSPC) ? kIoDiskFull : WindowsCodeOf(errno);
            ::close(fd);
            throw IoError(code);
        }
        written += static_cast<size_t>(count);
    }
    if (::close(fd) != 0) throw IoError(errno == ENOSPC ? kIoDiskFull : WindowsCodeOf(errno));
}

}  // namespace dd
