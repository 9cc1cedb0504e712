#include "platform/win32/LongPath.h"

#include <windows.h>

namespace dd {

std::string LongPathForApi(const std::string& path) {
    if (path.size() < MAX_PATH || path.rfind("\\\\?\\", 0) == 0) return path;
    const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::string full(needed, '\0');
    const DWORD written = GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed) return path;
    full.resize(written);
    if (full.rfind("\\\\", 0) == 0) return "\\\\?\\UNC\\" + full.substr(2);  // \\server\share\...
    return "\\\\?\\" + full;
}

}  // namespace dd
