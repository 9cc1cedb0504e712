#pragma once

#include <windows.h>

#include "layout/Dpi.h"

namespace dd {

// The resolution a window is shown at: GetDpiForWindow where the system has it (Windows 10 1607 on;
// looked up at run time, so that the plug-in still loads on older systems), otherwise the screen's
// pixels per logical inch.
Dpi WindowDpi(HWND window) noexcept;

// The resolution that WM_DPICHANGED carries in its wParam (the same horizontally and vertically).
inline Dpi DpiOfDpiChanged(WPARAM wParam) noexcept { return Dpi{HIWORD(wParam)}; }

}  // namespace dd
