#include "layout/GridColumnLayout.h"

#include <algorithm>
#include <cstdint>

#include "layout/GridGeometry.h"

namespace dd {
namespace {

bool EveryMinimumInside(const ColumnWidths& widths, const ColumnWidths& minimums, int clientWidth, Dpi dpi) noexcept {
    for (int c = 0; c < kGridColumns; ++c) {
        if (int64_t{ColumnLeft(widths, c, 0, dpi)} + minimums[static_cast<size_t>(c)] > clientWidth) return false;
    }
    return true;
}

}  // namespace

ColumnWidths ColumnMinimums(const ColumnWidths& captionTextWidths, Dpi dpi) noexcept {
    ColumnWidths minimums{};
    for (size_t c = 0; c < minimums.size(); ++c)
        minimums[c] = std::max(captionTextWidths[c], 0) + 2 * GridTextMargin(dpi);
    return minimums;
}

GridColumnLayout LayoutGridColumns(int gridOuterWidth, int clientWidth, const ColumnWidths& captionTextWidths,
                                   Dpi dpi) noexcept {
    GridColumnLayout layout;
    layout.minimums = ColumnMinimums(captionTextWidths, dpi);
    const ColumnWidths rule = FitColumnWidths(gridOuterWidth, dpi);
    for (size_t c = 0; c < rule.size(); ++c) layout.widths[c] = std::max(rule[c], layout.minimums[c]);
    layout.contentWidth = ColumnLeft(layout.widths, kGridColumns, 0, dpi);
    layout.scrolls = !EveryMinimumInside(layout.widths, layout.minimums, clientWidth, dpi);
    return layout;
}

}  // namespace dd
