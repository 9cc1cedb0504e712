#include "platform/FileStamp.h"

#include <windows.h>

#include "platform/win32/LongPath.h"

namespace dd {

std::optional<FileStamp> StampOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(WidePathForApi(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
    const uint64_t size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    const int64_t written = static_cast<int64_t>((uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                                 data.ftLastWriteTime.dwLowDateTime);
    return FileStamp{size, written};
}

}  // namespace dd
