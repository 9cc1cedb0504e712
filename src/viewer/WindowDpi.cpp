#include "viewer/WindowDpi.h"

#include "viewer/WinHandles.h"

namespace dd {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn SystemGetDpiForWindow() noexcept {
    static const auto function = [] {
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        FARPROC address = user32 != nullptr ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
        return reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(address));
    }();
    return function;
}

int ScreenPixelsPerInch() noexcept {
    const WindowDc screen(nullptr);
    return screen.Dc() != nullptr ? GetDeviceCaps(screen.Dc(), LOGPIXELSY) : 0;
}

}  // namespace

Dpi WindowDpi(HWND window) noexcept {
    if (const GetDpiForWindowFn getDpiForWindow = SystemGetDpiForWindow(); getDpiForWindow != nullptr && window) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) return Dpi{static_cast<int>(dpi)};
    }
    return Dpi{ScreenPixelsPerInch()};
}

}  // namespace dd
