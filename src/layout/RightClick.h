#pragma once

#include <optional>

#include "dictionary/GridModel.h"

namespace dd {

// The cell that a right click on the grid makes current (and the whole selection) before the context
// menu opens, so that the menu's commands work on the cell the user pointed at: the clicked cell when
// it lies outside the selected range. Nothing when it lies inside the range (a range of several cells
// stays for the menu), or when the click hit no cell or a fixed row.
std::optional<GridCell> CellToSelectOnRightClick(std::optional<GridCell> clicked, GridRange selection,
                                                 int32_t fixedRows) noexcept;

// The cell that the context menu's commands ("Копировать ячейку", "Копировать строку") work on: the cell
// the right click was made on, inside a selected range (which stays) as outside it (where it became
// current), so that the menu acts where the user pointed; the current cell when the menu came from the
// keyboard (no cell clicked), or the click hit no cell or a fixed row.
GridCell CellForContextMenu(std::optional<GridCell> clicked, GridCell current, int32_t fixedRows) noexcept;

}  // namespace dd
