#pragma once

#include <string>
#include <string_view>

#include "dictionary/GridModel.h"

namespace dd {

// What "Копировать ячейку" (N3Click) copies: the text of the current cell, unchanged.
std::string CellClipboardText(const GridModel& grid, GridCell current);

// What "Копировать строку" (N6Click) copies: every cell of the row followed by "; ", then the whole
// text trimmed of bytes 0..32 at both ends, so the cells A..E give "A; B; C; D; E;".
std::string RowClipboardText(const GridModel& grid, int32_t row);

// The part of a text that the clipboard keeps as CF_TEXT: everything before its first zero byte.
std::string_view UpToFirstZeroByte(std::string_view text) noexcept;

}  // namespace dd
