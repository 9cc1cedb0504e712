#include "dictionary/GridModel.h"

#include <algorithm>

namespace dd {

GridModel::GridModel(int columns, int32_t rows, int32_t fixedRows)
    : columns_(std::max(columns, 1)),
      fixedRows_(std::clamp<int32_t>(fixedRows, 0, std::max<int32_t>(rows, 1) - 1)),
      rows_(static_cast<size_t>(std::max<int32_t>(rows, 1))) {
    ResetState(fixedRows_);
}

void GridModel::SetRowCount(int32_t rows) {
    rows = std::max<int32_t>(rows, 1);
    if (rows == RowCount()) return;
    if (rows <= fixedRows_) {
        fixedRows_ = rows - 1;
        ResetState(fixedRows_);
    }
    rows_.resize(static_cast<size_t>(rows));
    const int32_t last = rows - 1;
    if (current_.row > last) {
        currentHighlighted_ = false;
        current_.row = last;
        anchor_ = current_;
    }
    anchor_.row = std::min(anchor_.row, last);
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, last));
}

std::string_view GridModel::Cell(int column, int32_t row) const {
    if (column < 0 || column >= columns_ || row < 0 || row >= RowCount()) return {};
    const auto& cells = rows_[static_cast<size_t>(row)];
    return static_cast<size_t>(column) < cells.size() ? std::string_view(cells[static_cast<size_t>(column)])
                                                      : std::string_view{};
}

void GridModel::SetCell(int column, int32_t row, std::string_view text) {
    if (column < 0 || column >= columns_ || row < 0 || row >= RowCount()) return;
    auto& cells = rows_[static_cast<size_t>(row)];
    if (cells.size() <= static_cast<size_t>(column)) {
        if (text.empty()) return;
        cells.resize(static_cast<size_t>(column) + 1);
    }
    cells[static_cast<size_t>(column)].assign(text);
}

}  // namespace dd
