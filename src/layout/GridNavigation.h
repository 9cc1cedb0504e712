#pragma once

#include <cstdint>
#include <optional>

#include "dictionary/GridModel.h"

namespace dd {

// Where a navigation key moves the grid's current cell: arrows by one cell, Page Up and Page Down by
// the rows in view, Home and End to the first and last column (with Ctrl: to the first and last row
// that is not fixed). Empty for a key that does not navigate.
std::optional<GridCell> CellAfterKey(GridCell current, uint16_t key, bool ctrl, int columnCount, int32_t rowCount,
                                     int32_t fixedRows, int32_t visibleRows) noexcept;

}  // namespace dd
