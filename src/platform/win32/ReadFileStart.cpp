// Reading the start of a file on Windows: a few bytes to tell whether it may be a dictionary.
#include <windows.h>

#include <algorithm>
#include <string>

#include "dictionary/Error.h"
#include "platform/FileReading.h"
#include "platform/win32/Handle.h"
#include "platform/win32/OpenFile.h"

namespace dd {
namespace {

[[noreturn]] void ThrowLastError() { throw IoError(static_cast<int>(GetLastError())); }

}  // namespace

std::string ReadFileStart(const std::string& path, size_t maxBytes) {
    // Opened as ReadWholeFile opens it, so both fail alike on the same file.
    UniqueHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    std::string bytes(maxBytes, '\0');
    size_t got = 0;
    while (got < maxBytes) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(maxBytes - got, kReadStretch));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + got, chunk, &read, nullptr)) ThrowLastError();
        if (read == 0) break;
        got += read;
    }
    bytes.resize(got);
    return bytes;
}

}  // namespace dd
