#include "layout/HorizontalScroll.h"

#include <algorithm>

namespace dd {

int MaxHorizontalOffset(const GridColumnLayout& columns, int clientWidth) noexcept {
    if (!columns.scrolls) return 0;
    return std::max(0, columns.contentWidth - std::max(clientWidth, 0));
}

int ClampHorizontalOffset(int offset, const GridColumnLayout& columns, int clientWidth) noexcept {
    return std::clamp(offset, 0, MaxHorizontalOffset(columns, clientWidth));
}

GridScrollRange HorizontalScrollRangeFor(const GridColumnLayout& columns, int clientWidth, int offset) noexcept {
    if (!columns.scrolls || columns.contentWidth <= 0) return {};
    return {columns.contentWidth - 1, std::max(clientWidth, 0), ClampHorizontalOffset(offset, columns, clientWidth)};
}

int HorizontalOffsetShowing(int column, int offset, const GridColumnLayout& columns, int clientWidth,
                            Dpi dpi) noexcept {
    if (column < 0 || column >= static_cast<int>(columns.widths.size()))
        return ClampHorizontalOffset(offset, columns, clientWidth);
    const int left = ColumnLeft(columns.widths, column, 0, dpi);
    const int right = left + columns.widths[static_cast<size_t>(column)];
    if (right - offset > clientWidth) offset = right - clientWidth;
    if (left < offset) offset = left;  // a column wider than the client area shows its left part
    return ClampHorizontalOffset(offset, columns, clientWidth);
}

int HorizontalLineStep(Dpi dpi) noexcept { return GridRowPitch(dpi); }

}  // namespace dd
