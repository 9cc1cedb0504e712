#pragma once

#include <cstdint>
#include <optional>

#include "dictionary/GridModel.h"
#include "layout/ColumnWidths.h"

namespace dd {

// Every row of the field grid is 18 pixels high, and a 1-pixel grid line follows every row and column.
inline constexpr int kGridRowHeight = 18;
inline constexpr int kGridLineWidth = 1;
inline constexpr int kGridRowPitch = kGridRowHeight + kGridLineWidth;

// The left edge of a column in the grid's client area. A column of zero or negative width is not
// painted; the next one starts at its left edge plus its width plus one grid line.
int ColumnLeft(const ColumnWidths& widths, int column) noexcept;

// The top edge of a row: the fixed rows stand at the top, the other rows follow from the top row on.
// Rows scrolled out above the top row lie at negative positions.
int RowTop(int32_t row, int32_t fixedRows, int32_t topRow) noexcept;

// Rows below the fixed ones that fit whole into a client area of this height (at least 0).
int32_t FullyVisibleRows(int clientHeight, int32_t fixedRows) noexcept;

// The cell under a client-area point, if any; a point on a grid line or beyond the cells hits none.
std::optional<GridCell> CellAt(int x, int y, const ColumnWidths& widths, int32_t rowCount, int32_t fixedRows,
                               int32_t topRow) noexcept;

// The vertical scroll bar: positions 0 .. rows below the fixed ones - 1, one page the rows in view.
struct GridScrollRange {
    int32_t maximum = 0;
    int32_t page = 0;
    int32_t position = 0;
    bool operator==(const GridScrollRange&) const = default;
};
GridScrollRange ScrollRangeFor(int32_t rowCount, int32_t fixedRows, int32_t topRow, int32_t visibleRows) noexcept;

// The highest top row that still fills the view.
int32_t MaxTopRow(int32_t rowCount, int32_t fixedRows, int32_t visibleRows) noexcept;

// The top row that brings `row` into view with the least scrolling.
int32_t TopRowShowing(int32_t row, int32_t topRow, int32_t rowCount, int32_t fixedRows, int32_t visibleRows) noexcept;

}  // namespace dd
