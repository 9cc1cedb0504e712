#include "dictionary/GridSource.h"

#include <algorithm>

namespace dd {

GridCell GridSource::Clamped(GridCell cell) const noexcept {
    return {std::clamp(cell.column, 0, std::max(ColumnCount(), 1) - 1),
            std::clamp(cell.row, FixedRows(), std::max(FixedRows(), RowCount() - 1))};
}

void GridSource::SetCurrent(GridCell cell, bool extendSelection) {
    current_ = Clamped(cell);
    currentHighlighted_ = false;
    if (!extendSelection) anchor_ = current_;
}

GridRange GridSource::Selection() const noexcept {
    return {std::min(current_.column, anchor_.column), std::min(current_.row, anchor_.row),
            std::max(current_.column, anchor_.column), std::max(current_.row, anchor_.row)};
}

void GridSource::SetTopRow(int32_t row) {
    topRow_ = std::clamp(row, FixedRows(), std::max(FixedRows(), RowCount() - 1));
}

}  // namespace dd
