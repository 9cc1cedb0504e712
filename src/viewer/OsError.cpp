#include "viewer/OsError.h"

#include <windows.h>

#include <string>

namespace dd {
namespace {

// The system's text for an error code, without the line end and full stop it comes with.
std::string SystemErrorText(DWORD code) {
    char* buffer = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text(buffer != nullptr ? buffer : "", length);
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= 32 || text.back() == '.')) text.pop_back();
    return text;
}

}  // namespace

Error LastOsError() {
    const DWORD code = GetLastError();
    if (code == ERROR_SUCCESS) return Error("A call to an OS function failed");
    return Error("System Error.  Code: " + std::to_string(code) + ".\r\n" + SystemErrorText(code));
}

}  // namespace dd
