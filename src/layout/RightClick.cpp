#include "layout/RightClick.h"

namespace dd {

std::optional<GridCell> CellToSelectOnRightClick(std::optional<GridCell> clicked, GridRange selection,
                                                 int32_t fixedRows) noexcept {
    if (!clicked || clicked->row < fixedRows || selection.Contains(*clicked)) return std::nullopt;
    return clicked;
}

}  // namespace dd
