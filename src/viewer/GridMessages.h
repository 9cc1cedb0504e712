#pragma once

#include <windows.h>

#include <cstdint>

// The message interface of the viewer's string grid control, for anything that holds only its window
// handle (tests, other tools), in the manner of a list view's messages. All messages are sent to the
// grid window with SendMessageA.
namespace dd::grid {

inline constexpr wchar_t kClassName[] = L"TDdStringGrid";

// Answer the row count, the number of fixed rows, the column count.
inline constexpr UINT kGetRowCount = WM_USER + 0x100;
inline constexpr UINT kGetFixedRows = WM_USER + 0x101;
inline constexpr UINT kGetColumnCount = WM_USER + 0x102;
// wParam: the column. Answers its width in pixels (may be zero or negative); 0 for a column that does not exist.
inline constexpr UINT kGetColumnWidth = WM_USER + 0x103;
// Answer the current cell's column and row.
inline constexpr UINT kGetCurrentColumn = WM_USER + 0x104;
inline constexpr UINT kGetCurrentRow = WM_USER + 0x105;
// Answers the first row below the fixed ones that is in view.
inline constexpr UINT kGetTopRow = WM_USER + 0x106;
// lParam: a CellText. Copies the cell's text (up to bufferSize - 1 bytes and a zero byte) when a
// buffer is given and answers the text's full length in bytes.
inline constexpr UINT kGetCellText = WM_USER + 0x107;
// lParam: a RECT that receives the selected range: left and right columns, top and bottom rows.
inline constexpr UINT kGetSelection = WM_USER + 0x108;

// lParam: a CellTextW. The cell's text as the grid shows it, in UTF-16 (decoded from Windows-1251 whatever
// the system's code page): copies up to bufferSize - 1 characters and a zero when a buffer is given, and
// answers the text's full length in characters.
inline constexpr UINT kGetCellTextW = WM_USER + 0x110;

// Whether a message is one of the queries above.
inline bool IsQuery(UINT message) noexcept {
    return (message >= kGetRowCount && message <= kGetSelection) || message == kGetCellTextW;
}

struct CellText {
    int column = 0;
    int32_t row = 0;
    char* buffer = nullptr;
    int bufferSize = 0;
};

struct CellTextW {
    int column = 0;
    int32_t row = 0;
    wchar_t* buffer = nullptr;
    int bufferSize = 0;
};

}  // namespace dd::grid
