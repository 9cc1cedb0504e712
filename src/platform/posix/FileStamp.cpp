#include "platform/FileStamp.h"

#include <sys/stat.h>

namespace dd {

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    const int64_t written = static_cast<int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    return FileStamp{static_cast<uint64_t>(status.st_size), written};
}

}  // namespace dd
