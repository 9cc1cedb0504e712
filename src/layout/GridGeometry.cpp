#include "layout/GridGeometry.h"

#include <algorithm>

namespace dd {

int ColumnLeft(const ColumnWidths& widths, int column) noexcept {
    int left = 0;
    for (int c = 0; c < column && c < kGridColumns; ++c) left += widths[static_cast<size_t>(c)] + kGridLineWidth;
    return left;
}

int RowTop(int32_t row, int32_t fixedRows, int32_t topRow) noexcept {
    const int64_t rows = row < fixedRows ? row : int64_t{fixedRows} + row - topRow;
    return static_cast<int>(std::clamp<int64_t>(rows * kGridRowPitch, INT32_MIN / 2, INT32_MAX / 2));
}

int32_t FullyVisibleRows(int clientHeight, int32_t fixedRows) noexcept {
    const int64_t free = int64_t{clientHeight} - int64_t{fixedRows} * kGridRowPitch + kGridLineWidth;
    return free <= 0 ? 0 : static_cast<int32_t>(free / kGridRowPitch);
}

std::optional<GridCell> CellAt(int x, int y, const ColumnWidths& widths, int32_t rowCount, int32_t fixedRows,
                               int32_t topRow) noexcept {
    if (x < 0 || y < 0) return std::nullopt;
    std::optional<int> column;
    for (int c = 0; c < kGridColumns; ++c) {
        const int left = ColumnLeft(widths, c);
        const int width = widths[static_cast<size_t>(c)];
        if (width > 0 && x >= left && x < left + width) column = c;
    }
    if (!column) return std::nullopt;

    const int32_t band = y / kGridRowPitch;
    if (y % kGridRowPitch >= kGridRowHeight) return std::nullopt;  // on the line below a row
    const int64_t row = band < fixedRows ? band : int64_t{topRow} + band - fixedRows;
    if (row >= rowCount) return std::nullopt;
    return GridCell{*column, static_cast<int32_t>(row)};
}

int32_t MaxTopRow(int32_t rowCount, int32_t fixedRows, int32_t visibleRows) noexcept {
    return std::max(fixedRows, rowCount - std::max<int32_t>(visibleRows, 1));
}

GridScrollRange ScrollRangeFor(int32_t rowCount, int32_t fixedRows, int32_t topRow, int32_t visibleRows) noexcept {
    return {std::max<int32_t>(rowCount - fixedRows - 1, 0), std::max<int32_t>(visibleRows, 0),
            std::max<int32_t>(topRow - fixedRows, 0)};
}

int32_t TopRowShowing(int32_t row, int32_t topRow, int32_t rowCount, int32_t fixedRows, int32_t visibleRows) noexcept {
    if (row < fixedRows) return topRow;  // fixed rows are always in view
    if (row < topRow)
        topRow = row;
    else if (visibleRows > 0 && row >= topRow + visibleRows)
        topRow = row - visibleRows + 1;
    return std::clamp(topRow, fixedRows, MaxTopRow(rowCount, fixedRows, visibleRows));
}

}  // namespace dd
