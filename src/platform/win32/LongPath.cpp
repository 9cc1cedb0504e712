#include "platform/win32/LongPath.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace dd {

std::wstring WidePathForApi(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    if (wide.size() < MAX_PATH || wide.rfind(L"\\\\?\\", 0) == 0) return wide;
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return wide;
    std::wstring full(needed, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed) return wide;
    full.resize(written);
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);  // \\server\share\...
    return L"\\\\?\\" + full;
}

}  // namespace dd
