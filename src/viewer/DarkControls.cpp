#include "viewer/DarkControls.h"

#include <string>

namespace dd {
namespace {

using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);

// uxtheme.dll from the system folder, loaded at the first use and kept for the life of the process:
// freeing it at the plug-in's unloading would run under the loader lock.
SetWindowThemeFunction SetWindowThemeOfSystem() noexcept {
    static const SetWindowThemeFunction function = []() -> SetWindowThemeFunction {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        const HMODULE module = LoadLibraryW((std::wstring(folder, length) + L"\\uxtheme.dll").c_str());
        if (module == nullptr) return nullptr;
        return reinterpret_cast<SetWindowThemeFunction>(
            reinterpret_cast<void*>(GetProcAddress(module, "SetWindowTheme")));
    }();
    return function;
}

// The device context of a whole window, non-client area included, for one painting.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetWindowDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A 1-pixel frame just inside the rectangle.
void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) noexcept {
    FillSolid(dc, {rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillSolid(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillSolid(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillSolid(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

}  // namespace

void UseDarkControlTheme(HWND window, bool dark) noexcept {
    const SetWindowThemeFunction setWindowTheme = SetWindowThemeOfSystem();
    if (setWindowTheme == nullptr) return;
    // No names at all take the window back to the theme it would have by itself.
    setWindowTheme(window, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
}

void UseNoControlTheme(HWND window) noexcept {
    const SetWindowThemeFunction setWindowTheme = SetWindowThemeOfSystem();
    // Names that match no theme's classes: the window is drawn as without visual styles.
    if (setWindowTheme != nullptr) setWindowTheme(window, L"", L"");
}

void PaintDarkClientEdge(HWND window, const Palette& palette) noexcept {
    if (!palette.IsDark() || (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0) return;
    WindowDc dc(window);
    if (dc.Get() == nullptr) return;
    RECT rect{};
    GetWindowRect(window, &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    // A flat edge: its outer line stands out from the form's margin, the rest is the control's ground.
    FrameSolid(dc.Get(), rect, palette.Colour(PaintRole::Edge));
    const int thickness = GetSystemMetrics(SM_CXEDGE);
    for (int line = 1; line < thickness; ++line) {
        InflateRect(&rect, -1, -1);
        FrameSolid(dc.Get(), rect, palette.Colour(PaintRole::Background));
    }
}

}  // namespace dd
