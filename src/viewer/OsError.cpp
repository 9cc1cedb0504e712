#include "viewer/OsError.h"

#include <windows.h>

#include <string>

#include "viewer/WinHandles.h"

namespace dd {
namespace {

// The system's text for an error code, without the line end and full stop it comes with.
std::string SystemErrorText(DWORD code) {
    char* allocated = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&allocated), 0, nullptr);
    const UniqueLocalText buffer(allocated);
    std::string text(buffer ? buffer.get() : "", buffer ? length : 0);
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
