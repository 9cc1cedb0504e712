#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace dd {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct MemoryDcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
struct MenuDeleter {
    void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
struct WindowDeleter {
    void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
struct LocalMemoryDeleter {
    void operator()(void* memory) const noexcept { LocalFree(memory); }
};
struct GlobalMemoryDeleter {
    void operator()(HGLOBAL block) const noexcept { GlobalFree(block); }
};

// Owners of the handles the viewer makes: each releases its handle on every path.
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;
// Text that the system allocated with LocalAlloc for us (FormatMessage's buffer).
using UniqueLocalText = std::unique_ptr<wchar_t, LocalMemoryDeleter>;
// A global memory block that is ours until the system takes it (the clipboard, a common dialog).
using UniqueGlobal = std::unique_ptr<void, GlobalMemoryDeleter>;

// Selects a GDI object into a device context for a scope and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// GetDC and ReleaseDC around the use of a window's device context (the screen's for window 0).
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Dc() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around the painting of one WM_PAINT.
class PaintSession {
public:
    explicit PaintSession(HWND window) noexcept : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintSession() { EndPaint(window_, &paint_); }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;
    HDC Dc() const noexcept { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

}  // namespace dd
