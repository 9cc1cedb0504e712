#pragma once

#include <string>
#include <string_view>

#include "dictionary/GridModel.h"

namespace dd {

// What "Копировать ячейку" copies: the text of the current cell, unchanged.
std::string CellClipboardText(const GridSource& grid, GridCell current);

// What "Копировать строку" copies: every cell of the row followed by "; ", then the whole
// text trimmed of bytes 0..32 at both ends, so the cells A..E give "A; B; C; D; E;".
std::string RowClipboardText(const GridModel& grid, int32_t row);

// What "Copy" copies of a selected range of cells: one line per row, top to bottom, ended by CR LF,
// its cells from left to right joined by TAB. So that the text keeps the range's shape wherever it is
// pasted, TAB, CR and LF inside a cell become spaces, and a cell gives only what stands before its
// first zero byte (as copying that cell alone would keep): CF_TEXT ends at a zero byte, which would
// otherwise cut off every cell after it. Rows and columns outside the grid give empty cells.
std::string RangeClipboardText(const GridSource& grid, GridRange range);

// What Ctrl+C in the table list copies of a table: its description, TAB, its identifier trimmed of
// blanks (TrimBlanks), as one line without a line end, to be pasted beside others as two columns. Each
// part, as a range's cell, gives only what stands before its first zero byte and has TAB, CR and LF as
// spaces.
std::string TableClipboardText(std::string_view description, std::string_view identifier);

// The part of a text that the clipboard keeps as CF_TEXT: everything before its first zero byte.
std::string_view UpToFirstZeroByte(std::string_view text) noexcept;

}  // namespace dd
