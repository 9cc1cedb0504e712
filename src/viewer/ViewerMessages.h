#pragma once

#include <windows.h>

// The viewer window's query messages, beside the grid's (GridMessages.h), for anything that holds only the
// window's handle (tests, other tools): what the form paints itself has no control to be read from.
namespace dd::viewer {

// wParam: the buffer's size in characters; lParam: a wchar_t buffer, or 0. The data view's title line as it is
// drawn above the grid: copies up to wParam - 1 characters and a zero when a buffer is given, and answers the
// title's full length in characters; 0 while a dictionary is shown.
inline constexpr UINT kGetTitleTextW = WM_USER + 0x120;

}  // namespace dd::viewer
