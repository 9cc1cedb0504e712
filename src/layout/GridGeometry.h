#pragma once

#include <cstdint>
#include <optional>

#include "dictionary/GridModel.h"
#include "layout/ColumnWidths.h"
#include "layout/Dpi.h"

namespace dd {

// Every row of the field grid is 18 pixels high, a 1-pixel grid line follows every row and column, and
// a cell's text starts 2 pixels right of and below its corner (all at 96 DPI).
inline constexpr int kGridRowHeight = 18;
inline constexpr int kGridLineWidth = 1;
inline constexpr int kGridRowPitch = kGridRowHeight + kGridLineWidth;
inline constexpr int kGridTextMargin = 2;

// The same at a screen's resolution; a row and a line keep at least one pixel at any resolution.
int GridRowHeight(Dpi dpi) noexcept;
int GridLineWidth(Dpi dpi) noexcept;
int GridRowPitch(Dpi dpi) noexcept;
int GridTextMargin(Dpi dpi) noexcept;

// The left edge of a column in the grid's client area, the columns scrolled `horizontalOffset` pixels
// to the left. A column of zero or negative width is not painted; the next one starts at its left edge
// plus its width plus one grid line. Column widths.size() gives the right end of the last grid line.
int ColumnLeft(const ColumnWidths& widths, int column, int horizontalOffset = 0, Dpi dpi = kDefaultDpi) noexcept;

// The top edge of a row: the fixed rows stand at the top, the other rows follow from the top row on.
// Rows scrolled out above the top row lie at negative positions.
int RowTop(int32_t row, int32_t fixedRows, int32_t topRow, Dpi dpi = kDefaultDpi) noexcept;

// Rows below the fixed ones that fit whole into a client area of this height (at least 0).
int32_t FullyVisibleRows(int clientHeight, int32_t fixedRows, Dpi dpi = kDefaultDpi) noexcept;

// The cell under a client-area point, if any, with the columns scrolled as in ColumnLeft; a point on a
// grid line, left of the client area or beyond the cells hits none. The fixed rows scroll sideways with
// the others.
std::optional<GridCell> CellAt(int x, int y, const ColumnWidths& widths, int32_t rowCount, int32_t fixedRows,
                               int32_t topRow, int horizontalOffset = 0, Dpi dpi = kDefaultDpi) noexcept;

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
