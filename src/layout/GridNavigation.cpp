#include "layout/GridNavigation.h"

#include <algorithm>

#include "layout/VirtualKeys.h"

namespace dd {

std::optional<GridCell> CellAfterKey(GridCell current, uint16_t key, bool ctrl, int columnCount, int32_t rowCount,
                                     int32_t fixedRows, int32_t visibleRows) noexcept {
    const int32_t page = std::max<int32_t>(visibleRows, 1);
    const int32_t lastRow = rowCount - 1;
    const int lastColumn = columnCount - 1;
    GridCell cell = current;
    switch (key) {
        case keys::kUp:
            cell.row -= 1;
            break;
        case keys::kDown:
            cell.row += 1;
            break;
        case keys::kLeft:
            cell.column -= 1;
            break;
        case keys::kRight:
            cell.column += 1;
            break;
        case keys::kPageUp:
            cell.row = cell.row - std::min(page, cell.row);
            break;
        case keys::kPageDown:
            cell.row = cell.row + std::min(page, std::max<int32_t>(lastRow - cell.row, 0));
            break;
        case keys::kHome:
            if (ctrl)
                cell.row = fixedRows;
            else
                cell.column = 0;
            break;
        case keys::kEnd:
            if (ctrl)
                cell.row = lastRow;
            else
                cell.column = lastColumn;
            break;
        default:
            return std::nullopt;
    }
    cell.column = std::clamp(cell.column, 0, std::max(lastColumn, 0));
    cell.row = std::clamp(cell.row, std::min(fixedRows, lastRow), std::max(lastRow, 0));
    return cell;
}

}  // namespace dd
