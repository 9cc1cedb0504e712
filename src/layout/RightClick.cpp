#include "layout/RightClick.h"

namespace dd {

std::optional<GridCell> CellToSelectOnRightClick(std::optional<GridCell> clicked, GridRange selection,
                                                 int32_t fixedRows) noexcept {
    if (!clicked || clicked->row < fixedRows || selection.Contains(*clicked)) return std::nullopt;
    return clicked;
}

GridCell CellForContextMenu(std::optional<GridCell> clicked, GridCell current, int32_t fixedRows) noexcept {
    if (!clicked || clicked->row < fixedRows) return current;
    return *clicked;
}

}  // namespace dd
