#include "layout/GridGeometry.h"

#include <algorithm>

namespace dd {
namespace {

int ClampedToInt(int64_t value) noexcept {
    return static_cast<int>(std::clamp<int64_t>(value, INT32_MIN / 2, INT32_MAX / 2));
}

// A column's left edge with the columns unscrolled.
int64_t ContentLeft(const ColumnWidths& widths, int column, int line) noexcept {
    int64_t left = 0;
    const int columns = static_cast<int>(widths.size());
    for (int c = 0; c < column && c < columns; ++c) left += int64_t{widths[static_cast<size_t>(c)]} + line;
    return left;
}

}  // namespace

int GridRowHeight(Dpi dpi) noexcept { return std::max(1, dpi.Scale(kGridRowHeight)); }
int GridLineWidth(Dpi dpi) noexcept { return std::max(1, dpi.Scale(kGridLineWidth)); }
int GridRowPitch(Dpi dpi) noexcept { return GridRowHeight(dpi) + GridLineWidth(dpi); }
int GridTextMargin(Dpi dpi) noexcept { return dpi.Scale(kGridTextMargin); }

int ColumnLeft(const ColumnWidths& widths, int column, int horizontalOffset, Dpi dpi) noexcept {
    return ClampedToInt(ContentLeft(widths, column, GridLineWidth(dpi)) - horizontalOffset);
}

int RowTop(int32_t row, int32_t fixedRows, int32_t topRow, Dpi dpi) noexcept {
    const int64_t rows = row < fixedRows ? row : int64_t{fixedRows} + row - topRow;
    return ClampedToInt(rows * GridRowPitch(dpi));
}

int32_t FullyVisibleRows(int clientHeight, int32_t fixedRows, Dpi dpi) noexcept {
    const int64_t free = int64_t{clientHeight} - int64_t{fixedRows} * GridRowPitch(dpi) + GridLineWidth(dpi);
    return free <= 0 ? 0 : static_cast<int32_t>(free / GridRowPitch(dpi));
}

std::optional<GridCell> CellAt(int x, int y, const ColumnWidths& widths, int32_t rowCount, int32_t fixedRows,
                               int32_t topRow, int horizontalOffset, Dpi dpi) noexcept {
    if (x < 0 || y < 0) return std::nullopt;
    const int line = GridLineWidth(dpi);
    const int64_t contentX = int64_t{x} + horizontalOffset;
    std::optional<int> column;
    int64_t left = 0;
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        const int width = widths[static_cast<size_t>(c)];
        if (width > 0 && contentX >= left && contentX < left + width) column = c;
        left += int64_t{width} + line;
    }
    if (!column) return std::nullopt;

    const int pitch = GridRowPitch(dpi);
    const int32_t band = y / pitch;
    if (y % pitch >= GridRowHeight(dpi)) return std::nullopt;  // on the line below a row
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
