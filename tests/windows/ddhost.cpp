// ddhost: a small Lister for trying the plug-in by hand. It loads the plug-in as the file manager
// does (aware of the screen's resolution), makes a Lister window (top-level, or embedded in a
// "TTOTAL_CMD" main window), shows the file in it through ListLoadW and closes the plug-in on Esc.
//   ddhost.exe [--embedded] [--dark | --dark-native] [--plugin PATH] [--close-after MILLISECONDS]
//              [--table N] [--tab] [--size WxH] [--resize WxH] [--hover N] [--find TEXT] [--print] FILE
// --table N moves the list's selection N tables down with the arrow key, as the user would; --tab then
// presses Tab, so that the grid has the focus.
// --dark passes lcp_darkmode in the show flags, --dark-native lcp_darkmode and lcp_darkmodenative.
// --size gives the Lister window's client area at opening, --resize resizes it once the file is shown.
// --hover N rests the mouse on the list's entry N, so that its tooltip shows.
// --find TEXT finds the first hit of the text once the file is shown, as F7 would; --print then prints
// as the Lister's menu does (the print dialog, or the box that says there is no printer).
// Keys while it runs, as the Lister's: F7 asks for a text to find, F3 or F5 find the next hit (with
// Shift: the one before); N and P show the next and the previous .DD/.DDS/.DBF file of the folder through
// ListLoadNextW; Ctrl+D switches dark mode through ListSendCommand(lc_newparams), as the file manager
// does when its colours change.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>

#include "windows/host/DpiAwareness.h"
#include "windows/host/HostWindows.h"
#include "windows/host/ListerInterface.h"
#include "windows/host/ListerSearch.h"
#include "windows/host/ListerSession.h"
#include "windows/host/PluginCommands.h"
#include "windows/host/PluginLibrary.h"

namespace {

struct Options {
    std::wstring file;
    std::wstring plugin;
    bool embedded = false;
    int showFlags = 0;
    UINT closeAfterMs = 0;
    int table = 0;
    bool tab = false;
    SIZE size{};    // 0 x 0: the default size
    SIZE resize{};  // 0 x 0: no resize
    int hover = -1;
    std::wstring find;
    bool print = false;
};

// "WxH", both positive.
bool ParseSize(const std::wstring& text, SIZE& size) {
    int width = 0;
    int height = 0;
    wchar_t extra = 0;
    if (std::swscanf(text.c_str(), L"%dx%d%lc", &width, &height, &extra) != 2 || width <= 0 || height <= 0)
        return false;
    size = {width, height};
    return true;
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
            options.showFlags |= dd::host::kDarkMode;
        else if (argument == L"--dark-native")
            options.showFlags |= dd::host::kDarkMode | dd::host::kDarkModeNative;
        else if (argument == L"--plugin" && hasValue)
            options.plugin = argv.get()[++i];
        else if (argument == L"--close-after" && hasValue)
            options.closeAfterMs = std::stoul(argv.get()[++i]);
        else if (argument == L"--table" && hasValue)
            options.table = std::stoi(argv.get()[++i]);
        else if (argument == L"--tab")
            options.tab = true;
        else if (argument == L"--size" && hasValue && ParseSize(argv.get()[i + 1], options.size))
            ++i;
        else if (argument == L"--resize" && hasValue && ParseSize(argv.get()[i + 1], options.resize))
            ++i;
        else if (argument == L"--hover" && hasValue)
            options.hover = std::stoi(argv.get()[++i]);
        else if (argument == L"--find" && hasValue)
            options.find = argv.get()[++i];
        else if (argument == L"--print")
            options.print = true;
        else if (options.file.empty() && argument.rfind(L"--", 0) != 0)
            options.file = argument;
        else
            return false;
    }
    if (options.plugin.empty()) options.plugin = DefaultPluginPath();
    return !options.file.empty();
}

// Resizes a window so that its client area gets this size, as a user dragging its frame would.
void ResizeClientArea(HWND window, SIZE size) {
    RECT outer{0, 0, size.cx, size.cy};
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    if ((style & WS_CHILD) == 0)
        AdjustWindowRectEx(&outer, style, FALSE, static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moves the mouse onto a list entry, as the user would, and tells the list.
void RestMouseOn(HWND list, int entry) {
    RECT item{};
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return;
    POINT point{item.left + 20, (item.top + item.bottom) / 2};
    const POINT client = point;
    ClientToScreen(list, &point);
    SetCursorPos(point.x, point.y);
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

HWND topWindow = nullptr;

void CALLBACK CloseNow(HWND, UINT, UINT_PTR, DWORD) {
    // As the user closing the window: the plug-in is closed first, then the window.
    if (topWindow != nullptr) PostMessageW(topWindow, WM_CLOSE, 0, 0);
}

}  // namespace

int main() {
    Options options;
    if (!ParseOptions(options)) {
        std::fprintf(stderr,
                     "usage: ddhost [--embedded] [--dark | --dark-native] [--plugin PATH] [--close-after MS] "
                     "[--table N] [--tab] [--size WxH] [--resize WxH] [--hover N] [--find TEXT] [--print] FILE\n");
        return 2;
    }
    dd::host::MakeProcessDpiAware();
    const std::string fileForMessages = dd::host::Narrow(options.file, CP_UTF8);
    try {
        dd::host::PluginLibrary plugin(dd::host::Narrow(options.plugin, CP_ACP));
        const dd::host::PluginCommands commands(plugin);
        // As the file manager, once after loading: the plug-in keeps no settings and writes nothing.
        dd::host::DefaultParams defaults{sizeof(dd::host::DefaultParams), 0, 2, "C:\\ddhost\\lsplugin.ini"};
        commands.SetDefaultParams(defaults);
        dd::host::ListerSearch search(commands);
        std::unique_ptr<dd::host::MainWindowStandIn> mainWindow;
        if (options.embedded) {
            mainWindow = std::make_unique<dd::host::MainWindowStandIn>(true, RECT{0, 0, 1100, 760});
            mainWindow->onDestroyed = [] { PostQuitMessage(0); };
        }
        dd::host::ListerWindowArgs args;
        args.plugin = &plugin;
        args.closesOnEscape = true;
        dd::host::ListerSession* session = nullptr;  // made once the Lister window is
        args.onKey = [&search, &session](WPARAM key) {
            search.OnKey(key);
            if (session != nullptr) session->OnKey(key);
        };
        if (mainWindow) {
            RECT client;
            GetClientRect(mainWindow->Handle(), &client);
            args.parent = mainWindow->Handle();
            args.bounds = {0, client.bottom / 3, client.right, client.bottom};
            if (options.size.cx > 0) args.bounds = {0, client.bottom - options.size.cy, options.size.cx, client.bottom};
        } else if (options.size.cx > 0) {
            args.bounds = {40, 40, 40 + options.size.cx, 40 + options.size.cy};
        }
        dd::host::ListerWindow lister(args);
        search.Attach(lister);
        // A top-level Lister ends the program when it goes; an embedded one goes with the main window.
        if (!mainWindow) lister.onDestroyed = [] { PostQuitMessage(0); };
        topWindow = mainWindow ? mainWindow->Handle() : lister.Handle();

        dd::host::ListerSession listerSession(plugin, lister, options.showFlags);
        session = &listerSession;
        if (!listerSession.Open(options.file)) {
            std::fprintf(stderr, "ddhost: the plug-in did not take %s\n", fileForMessages.c_str());
            return 1;
        }
        const HWND list = FindWindowExW(lister.PluginWindow(), nullptr, L"ListBox", nullptr);
        for (int i = 0; i < options.table; ++i) SendMessageW(list, WM_KEYDOWN, VK_DOWN, 1);
        if (options.tab) SendMessageW(list, WM_KEYDOWN, VK_TAB, 1);
        if (options.resize.cx > 0) ResizeClientArea(lister.Handle(), options.resize);
        RedrawWindow(topWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        if (options.hover >= 0) RestMouseOn(list, options.hover);
        if (!options.find.empty()) search.FindFirst(options.find);
        std::printf("ddhost: showing %s\n", fileForMessages.c_str());
        std::fflush(stdout);
        if (options.closeAfterMs > 0) SetTimer(nullptr, 0, options.closeAfterMs, CloseNow);
        if (options.print) commands.PrintW(lister.PluginWindow(), options.file, L"");
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            // WM_CLOSE of a top-level Lister (the timer's) closes the plug-in first, as Esc does.
            if (message.message == WM_CLOSE && message.hwnd == lister.Handle()) {
                lister.ClosePlugin();
                lister.Destroy();
                continue;
            }
            if (listerSession.TakeKey(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ddhost: %s\n", error.what());
        return 2;
    }
}
