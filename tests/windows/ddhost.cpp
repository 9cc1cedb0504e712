// ddhost: a small Lister for trying the plug-in by hand. It loads the plug-in as the file manager
// does, makes a Lister window (top-level, or embedded in a "TTOTAL_CMD" main window), shows the file
// in it (through ListLoadW when the plug-in exports it) and closes the plug-in on Esc.
//   ddhost.exe [--embedded] [--dark | --dark-native] [--plugin PATH] [--close-after MILLISECONDS] [--table N] FILE
// --table N moves the list's selection N tables down with the arrow key, as the user would.
// --dark passes lcp_darkmode in the show flags, --dark-native lcp_darkmode and lcp_darkmodenative.
// Keys while it runs: Ctrl+D switches dark mode on or off through ListSendCommand(lc_newparams), as the
// file manager does when its colours change; N and P show the next and the previous .DD/.DDS file of
// the folder through ListLoadNextW (ListLoadNext without it), as the Lister's N and P do.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "windows/host/FolderDictionaries.h"
#include "windows/host/HostWindows.h"
#include "windows/host/PluginLibrary.h"

namespace {

constexpr int kDarkMode = 128;        // lcp_darkmode
constexpr int kDarkModeNative = 256;  // lcp_darkmodenative
constexpr int kNewParams = 2;         // lc_newparams
constexpr int kPluginOk = 0;          // LISTPLUGIN_OK

struct Options {
    std::wstring file;
    std::wstring plugin;
    bool embedded = false;
    int showFlags = 0;
    UINT closeAfterMs = 0;
    int table = 0;
};

std::string Narrow(const std::wstring& text, UINT codePage) {
    const int size =
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr, nullptr);
    return narrow;
}

std::wstring DefaultPluginPath() {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe);
    path.erase(path.find_last_of(L'\\') + 1);
    return path + (sizeof(void*) == 8 ? L"ddlister.wlx64" : L"ddlister.wlx");
}

// The command line read wide, so that a file under any name reaches the plug-in whole.
bool ParseOptions(Options& options) {
    int argc = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW(GetCommandLineW(), &argc), &LocalFree);
    if (!argv) return false;
    for (int i = 1; i < argc; ++i) {
        const std::wstring argument = argv.get()[i];
        const bool hasValue = i + 1 < argc;
        if (argument == L"--embedded")
            options.embedded = true;
        else if (argument == L"--dark")
            options.showFlags |= kDarkMode;
        else if (argument == L"--dark-native")
            options.showFlags |= kDarkMode | kDarkModeNative;
        else if (argument == L"--plugin" && hasValue)
            options.plugin = argv.get()[++i];
        else if (argument == L"--close-after" && hasValue)
            options.closeAfterMs = std::stoul(argv.get()[++i]);
        else if (argument == L"--table" && hasValue)
            options.table = std::stoi(argv.get()[++i]);
        else if (options.file.empty() && argument.rfind(L"--", 0) != 0)
            options.file = argument;
        else
            return false;
    }
    if (options.plugin.empty()) options.plugin = DefaultPluginPath();
    return !options.file.empty();
}

HWND topWindow = nullptr;

void CALLBACK CloseNow(HWND, UINT, UINT_PTR, DWORD) {
    // As the user closing the window: the plug-in is closed first, then the window.
    if (topWindow != nullptr) PostMessageA(topWindow, WM_CLOSE, 0, 0);
}

// The file shown and the show flags, as the Lister keeps them while it shows files in the plug-in.
class ListerSession {
public:
    ListerSession(const dd::host::PluginLibrary& plugin, dd::host::ListerWindow& lister, int showFlags)
        : plugin_(plugin), lister_(lister), showFlags_(showFlags) {}

    bool Open(const std::wstring& file) {
        const HWND window =
            plugin_.HasLoadW() ? lister_.LoadW(file, showFlags_) : lister_.Load(Narrow(file, CP_ACP), showFlags_);
        if (window == nullptr) return false;
        Showing(file);
        return true;
    }

    // N and P: the next or the previous dictionary of the folder in the same plug-in window.
    void Step(int step) {
        const std::wstring next = dd::host::NeighbourDictionary(file_, step);
        if (next.empty()) return;
        const int result = plugin_.HasLoadNextW() ? lister_.LoadNextW(next, showFlags_)
                                                  : lister_.LoadNext(Narrow(next, CP_ACP), showFlags_);
        if (result == kPluginOk)
            Showing(next);
        else
            std::printf("ddhost: the plug-in did not take %s\n", Narrow(next, CP_UTF8).c_str());
        std::fflush(stdout);
    }

    void SwitchDarkMode() {
        showFlags_ ^= kDarkMode;
        plugin_.SendCommand(lister_.PluginWindow(), kNewParams, showFlags_);
    }

private:
    void Showing(const std::wstring& file) {
        file_ = file;
        SetWindowTextW(lister_.Handle(), (L"Lister - " + file).c_str());
    }

    const dd::host::PluginLibrary& plugin_;
    dd::host::ListerWindow& lister_;
    int showFlags_;
    std::wstring file_;
};

bool Pressed(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The Lister's own keys, taken before the plug-in's window sees them; true when one was.
bool ListerKey(const MSG& message, ListerSession& session) {
    if (message.message != WM_KEYDOWN || Pressed(VK_MENU) || Pressed(VK_SHIFT)) return false;
    const bool ctrl = Pressed(VK_CONTROL);
    if (ctrl && message.wParam == 'D') {
        session.SwitchDarkMode();
        return true;
    }
    if (!ctrl && (message.wParam == 'N' || message.wParam == 'P')) {
        session.Step(message.wParam == 'N' ? 1 : -1);
        return true;
    }
    return false;
}

}  // namespace

int main() {
    Options options;
    if (!ParseOptions(options)) {
        std::fprintf(stderr,
                     "usage: ddhost [--embedded] [--dark | --dark-native] [--plugin PATH] [--close-after MS] "
                     "[--table N] FILE\n");
        return 2;
    }
    const std::string fileForMessages = Narrow(options.file, CP_UTF8);
    try {
        dd::host::PluginLibrary plugin(Narrow(options.plugin, CP_ACP));
        std::unique_ptr<dd::host::MainWindowStandIn> mainWindow;
        if (options.embedded) {
            mainWindow = std::make_unique<dd::host::MainWindowStandIn>(true, RECT{0, 0, 1100, 760});
            mainWindow->onDestroyed = [] { PostQuitMessage(0); };
        }
        dd::host::ListerWindowArgs args;
        args.plugin = &plugin;
        args.closesOnEscape = true;
        if (mainWindow) {
            RECT client;
            GetClientRect(mainWindow->Handle(), &client);
            args.parent = mainWindow->Handle();
            args.bounds = {0, client.bottom / 3, client.right, client.bottom};
        }
        dd::host::ListerWindow lister(args);
        // A top-level Lister ends the program when it goes; an embedded one goes with the main window.
        if (!mainWindow) lister.onDestroyed = [] { PostQuitMessage(0); };
        topWindow = mainWindow ? mainWindow->Handle() : lister.Handle();

        ListerSession session(plugin, lister, options.showFlags);
        if (!session.Open(options.file)) {
            std::fprintf(stderr, "ddhost: the plug-in did not take %s\n", fileForMessages.c_str());
            return 1;
        }
        const HWND list = FindWindowExA(lister.PluginWindow(), nullptr, "ListBox", nullptr);
        for (int i = 0; i < options.table; ++i) SendMessageA(list, WM_KEYDOWN, VK_DOWN, 1);
        RedrawWindow(topWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        std::printf("ddhost: showing %s\n", fileForMessages.c_str());
        std::fflush(stdout);
        if (options.closeAfterMs > 0) SetTimer(nullptr, 0, options.closeAfterMs, CloseNow);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            // WM_CLOSE of a top-level Lister (the timer's) closes the plug-in first, as Esc does.
            if (message.message == WM_CLOSE && message.hwnd == lister.Handle()) {
                lister.ClosePlugin();
                lister.Destroy();
                continue;
            }
            if (lister.PluginWindow() != nullptr && ListerKey(message, session)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ddhost: %s\n", error.what());
        return 2;
    }
}
