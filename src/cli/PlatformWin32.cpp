#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "cli/Platform.h"

namespace dd::cli {
namespace {

std::string Convert(const std::wstring& text, UINT codePage) {
    if (text.empty()) return {};
    const int size =
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
    return result;
}

std::wstring Widen(const std::string& text, UINT codePage) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

}  // namespace

std::vector<std::string> Utf8Arguments(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Convert(wide[i], CP_UTF8));
    LocalFree(wide);
    return arguments;
}

std::string NativePath(const std::string& utf8Path) { return Convert(Widen(utf8Path, CP_UTF8), CP_ACP); }

namespace {

UINT consoleCodePageBefore = 0;

void RestoreConsoleCodePage() { SetConsoleOutputCP(consoleCodePageBefore); }

}  // namespace

void PrepareStandardOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // A console shows the UTF-8 output only in its UTF-8 code page; the one it had comes back at exit.
    DWORD mode = 0;
    if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) && GetConsoleOutputCP() != CP_UTF8) {
        consoleCodePageBefore = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
        std::atexit(RestoreConsoleCodePage);
    }
}

}  // namespace dd::cli
