#include "windows/host/HostWindows.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace dd::host {
namespace {

constexpr wchar_t kMainClass[] = L"TTOTAL_CMD";
constexpr wchar_t kListerClass[] = L"TDdListerStandIn";

void RegisterOnce(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
    windowClass.lpszClassName = name;
    if (RegisterClassExW(&windowClass) == 0) throw std::runtime_error("cannot register a stand-in window class");
}

}  // namespace

// Hands a message to the object of a stand-in window. The stand-ins are Unicode windows, as the file
// manager's are, so that a title names a file under any name.
struct WindowDispatch {
    template <typename Window>
    static LRESULT Run(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        try {
            return self->HandleMessage(message, wParam, lParam);
        } catch (...) {  // a host of tests must not unwind into Windows either
            return 0;
        }
    }
};

MainWindowStandIn::MainWindowStandIn(bool closesOnCloseCommand, const RECT& bounds)
    : closesOnCloseCommand_(closesOnCloseCommand) {
    RegisterOnce(kMainClass, WindowProc);
    CreateWindowExW(0, kMainClass, L"Total Commander stand-in", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, bounds.left,
                    bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) throw std::runtime_error("cannot create the main window stand-in");
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

MainWindowStandIn::~MainWindowStandIn() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

std::vector<ReceivedMessage> MainWindowStandIn::TakeSystemCommands() { return std::exchange(systemCommands_, {}); }

LRESULT CALLBACK MainWindowStandIn::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        static_cast<MainWindowStandIn*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams)->window_ = window;
    }
    return WindowDispatch::Run<MainWindowStandIn>(window, message, wParam, lParam);
}

LRESULT MainWindowStandIn::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
            systemCommands_.push_back({message, wParam, lParam});
            if ((wParam & 0xFFF0) == SC_CLOSE && !closesOnCloseCommand_) return 0;
            break;
        case WM_NCDESTROY: {
            const HWND window = window_;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            if (onDestroyed) onDestroyed();
            return DefWindowProcW(window, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

ListerWindow::ListerWindow(const ListerWindowArgs& args) : args_(args) {
    RegisterOnce(kListerClass, WindowProc);
    const DWORD style = args.parent != nullptr ? WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN
                                               : WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
    RECT outer = args.bounds;
    if (args.parent == nullptr) AdjustWindowRectEx(&outer, style, FALSE, 0);  // bounds give the client area
    CreateWindowExW(0, kListerClass, L"Lister stand-in", style, outer.left, outer.top, outer.right - outer.left,
                    outer.bottom - outer.top, args.parent, nullptr, GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) throw std::runtime_error("cannot create the Lister window stand-in");
}

ListerWindow::~ListerWindow() { Destroy(); }

void ListerWindow::Destroy() noexcept {
    if (window_ != nullptr) DestroyWindow(window_);
}

HWND ListerWindow::Load(const std::string& path, int showFlags) {
    pluginWindow_ = args_.plugin->Load(window_, path, showFlags);
    return pluginWindow_;
}

HWND ListerWindow::LoadW(const std::wstring& path, int showFlags) {
    pluginWindow_ = args_.plugin->LoadW(window_, path, showFlags);
    return pluginWindow_;
}

int ListerWindow::LoadNext(const std::string& path, int showFlags) {
    return args_.plugin->LoadNext(window_, pluginWindow_, path, showFlags);
}

int ListerWindow::LoadNextW(const std::wstring& path, int showFlags) {
    return args_.plugin->LoadNextW(window_, pluginWindow_, path, showFlags);
}

void ListerWindow::ClosePlugin() {
    const HWND plugin = std::exchange(pluginWindow_, nullptr);
    args_.plugin->Close(plugin);
}

std::vector<ReceivedMessage> ListerWindow::TakeKeys() { return std::exchange(keys_, {}); }

LRESULT CALLBACK ListerWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        static_cast<ListerWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams)->window_ = window;
    }
    return WindowDispatch::Run<ListerWindow>(window, message, wParam, lParam);
}

LRESULT ListerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            // The host keeps the plug-in's window filling the Lister window.
            if (pluginWindow_ != nullptr && IsWindow(pluginWindow_)) {
                MoveWindow(pluginWindow_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            }
            break;
        case WM_ACTIVATE:
            // Like the Lister, the plug-in's window is given the focus whenever the Lister window is
            // activated: after a dialog, Alt+Tab, a click on the title.
            if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0 && pluginWindow_ != nullptr &&
                IsWindow(pluginWindow_)) {
                SetFocus(pluginWindow_);
                return 0;
            }
            break;
        case WM_KEYDOWN:
            keys_.push_back({message, wParam, lParam});
            if (wParam == VK_ESCAPE && args_.closesOnEscape) {
                ClosePlugin();
                DestroyWindow(window_);
                return 0;
            }
            if (args_.onKey) args_.onKey(wParam);
            return 0;
        case WM_NCDESTROY: {
            const HWND window = window_;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            pluginWindow_ = nullptr;
            if (onDestroyed) onDestroyed();
            return DefWindowProcW(window, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void PumpMessages() {
    for (int round = 0; round < 4; ++round) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(1);
    }
}

}  // namespace dd::host
