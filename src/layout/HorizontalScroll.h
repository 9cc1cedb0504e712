#pragma once

#include "layout/Dpi.h"
#include "layout/GridColumnLayout.h"
#include "layout/GridGeometry.h"

namespace dd {

// The field grid scrolls sideways by pixels: the offset is how many pixels of the columns lie left of
// the client area. Pixels rather than whole columns, since a column may be wider than the client area
// and must still be seen whole, piece by piece.

// The largest offset: the columns' right end at the client area's right edge; 0 when they do not scroll.
int MaxHorizontalOffset(const GridColumnLayout& columns, int clientWidth) noexcept;

// An offset kept in range after the columns or the client area changed size.
int ClampHorizontalOffset(int offset, const GridColumnLayout& columns, int clientWidth) noexcept;

// The horizontal scroll bar: positions 0 .. the columns' width - 1, one page the client area's width,
// so that the last position shows the columns' right end. An empty range (all 0) hides the bar.
GridScrollRange HorizontalScrollRangeFor(const GridColumnLayout& columns, int clientWidth, int offset) noexcept;

// The offset that brings a column into view with the least scrolling: its left edge when it lies left of
// the client area or is wider than it, its right end when it lies beyond the right edge.
int HorizontalOffsetShowing(int column, int offset, const GridColumnLayout& columns, int clientWidth,
                            Dpi dpi = kDefaultDpi) noexcept;

// How far one click on a scroll arrow moves the columns: a row's pitch, as far as a line of the
// vertical scroll bar moves the rows.
int HorizontalLineStep(Dpi dpi = kDefaultDpi) noexcept;

}  // namespace dd
