#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cli/Platform.h"
#include "platform/win32/LongPath.h"
#include "platform/win32/WideText.h"

namespace dd::cli {
namespace {

struct LocalFreer {
    void operator()(LPWSTR* block) const noexcept { LocalFree(block); }
};

}  // namespace

std::vector<std::string> Utf8Arguments(int, char**) {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> wide(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i) arguments.push_back(Utf8FromWide(wide.get()[i]));
    return arguments;
}

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

bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

PathKind KindOfPath(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePathForApi(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kNothing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::kFolder : PathKind::kOther;
}

}  // namespace dd::cli
