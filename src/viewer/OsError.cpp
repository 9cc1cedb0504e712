#include "viewer/OsError.h"

#include <windows.h>

#include <string>

#include "platform/win32/WideText.h"
#include "viewer/WinHandles.h"

namespace dd {
namespace {

// The system's text for an error code, without the line end and full stop it comes with.
std::string SystemErrorText(DWORD code) {
    wchar_t* allocated = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&allocated), 0, nullptr);
    const UniqueLocalText buffer(allocated);
    std::string text = buffer ? Utf8FromWide({buffer.get(), length}) : std::string();
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
