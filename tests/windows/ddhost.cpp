// ddhost: a small Lister for trying the plug-in by hand. It loads the plug-in as the file manager
// does (aware of the screen's resolution, as the file manager is), makes a Lister window (top-level,
// or embedded in a "TTOTAL_CMD" main window), shows the file in it and closes the plug-in on Esc. Like
// the Lister, F7 asks for a text to find and F3 or F5 find the next hit (with Shift: the one before),
// through the plug-in's search.
//   ddhost.exe [--embedded] [--plugin PATH] [--close-after MILLISECONDS] [--table N] [--size WxH]
//              [--resize WxH] [--hover N] [--find TEXT] [--print] FILE
// --table N moves the list's selection N tables down with the arrow key, as the user would.
// --size gives the Lister window's client area at opening, --resize resizes it once the file is shown.
// --hover N rests the mouse on the list's entry N, so that its tooltip shows.
// --find TEXT finds the first hit of the text once the file is shown, as F7 would; --print then prints
// as the Lister's menu does (the print dialog, or the box that says there is no printer).
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "windows/host/DpiAwareness.h"
#include "windows/host/HostWindows.h"
#include "windows/host/ListerSearch.h"
#include "windows/host/PluginCommands.h"
#include "windows/host/PluginLibrary.h"

namespace {

struct Options {
    std::string file;
    std::string plugin;
    bool embedded = false;
    UINT closeAfterMs = 0;
    int table = 0;
    SIZE size{};    // 0 x 0: the default size
    SIZE resize{};  // 0 x 0: no resize
    int hover = -1;
    std::string find;
    bool print = false;
};

// "WxH", both positive.
bool ParseSize(const std::string& text, SIZE& size) {
    int width = 0;
    int height = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &extra) != 2 || width <= 0 || height <= 0) return false;
    size = {width, height};
    return true;
}

std::string DefaultPluginPath() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path(exe);
    path.erase(path.find_last_of('\\') + 1);
    return path + (sizeof(void*) == 8 ? "ddlister.wlx64" : "ddlister.wlx");
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--embedded")
            options.embedded = true;
        else if (argument == "--plugin" && i + 1 < argc)
            options.plugin = argv[++i];
        else if (argument == "--close-after" && i + 1 < argc)
            options.closeAfterMs = std::stoul(argv[++i]);
        else if (argument == "--table" && i + 1 < argc)
            options.table = std::stoi(argv[++i]);
        else if (argument == "--size" && i + 1 < argc && ParseSize(argv[i + 1], options.size))
            ++i;
        else if (argument == "--resize" && i + 1 < argc && ParseSize(argv[i + 1], options.resize))
            ++i;
        else if (argument == "--hover" && i + 1 < argc)
            options.hover = std::stoi(argv[++i]);
        else if (argument == "--find" && i + 1 < argc)
            options.find = argv[++i];
        else if (argument == "--print")
            options.print = true;
        else if (options.file.empty() && argument.rfind("--", 0) != 0)
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
    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    if ((style & WS_CHILD) == 0)
        AdjustWindowRectEx(&outer, style, FALSE, static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moves the mouse onto a list entry, as the user would, and tells the list.
void RestMouseOn(HWND list, int entry) {
    RECT item{};
    if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return;
    POINT point{item.left + 20, (item.top + item.bottom) / 2};
    const POINT client = point;
    ClientToScreen(list, &point);
    SetCursorPos(point.x, point.y);
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

// The library is found again by its full path.
std::string FullPath(const std::string& path) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full, length) : path;
}

std::wstring WideFromAnsi(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

HWND topWindow = nullptr;

void CALLBACK CloseNow(HWND, UINT, UINT_PTR, DWORD) {
    // As the user closing the window: the plug-in is closed first, then the window.
    if (topWindow != nullptr) PostMessageA(topWindow, WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: ddhost [--embedded] [--plugin PATH] [--close-after MS] [--table N] [--size WxH] "
                     "[--resize WxH] [--hover N] [--find TEXT] [--print] FILE\n");
        return 2;
    }
    dd::host::MakeProcessDpiAware();
    try {
        options.plugin = FullPath(options.plugin);
        dd::host::PluginLibrary plugin(options.plugin);
        const dd::host::PluginCommands commands(options.plugin);
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
        args.onKey = [&search](WPARAM key) { search.OnKey(key); };
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
        SetWindowTextA(lister.Handle(), ("Lister - " + options.file).c_str());
        topWindow = mainWindow ? mainWindow->Handle() : lister.Handle();

        if (lister.Load(options.file) == nullptr) {
            std::fprintf(stderr, "ddhost: the plug-in did not take %s\n", options.file.c_str());
            return 1;
        }
        const HWND list = FindWindowExA(lister.PluginWindow(), nullptr, "ListBox", nullptr);
        for (int i = 0; i < options.table; ++i) SendMessageA(list, WM_KEYDOWN, VK_DOWN, 1);
        if (options.resize.cx > 0) ResizeClientArea(lister.Handle(), options.resize);
        RedrawWindow(topWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        if (options.hover >= 0) RestMouseOn(list, options.hover);
        if (!options.find.empty()) search.FindFirst(WideFromAnsi(options.find));
        std::printf("ddhost: showing %s\n", options.file.c_str());
        std::fflush(stdout);
        if (options.closeAfterMs > 0) SetTimer(nullptr, 0, options.closeAfterMs, CloseNow);
        if (options.print) commands.PrintW(lister.PluginWindow(), WideFromAnsi(options.file), L"");
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            // WM_CLOSE of a top-level Lister (the timer's) closes the plug-in first, as Esc does.
            if (message.message == WM_CLOSE && message.hwnd == lister.Handle()) {
                lister.ClosePlugin();
                lister.Destroy();
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ddhost: %s\n", error.what());
        return 2;
    }
}
