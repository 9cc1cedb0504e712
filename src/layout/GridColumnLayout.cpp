#include "layout/GridColumnLayout.h"

#include <algorithm>
#include <cstdint>

#include "layout/GridGeometry.h"

namespace dd {
namespace {

bool EveryMinimumInside(const ColumnWidths& widths, const ColumnWidths& minimums, int clientWidth, Dpi dpi) noexcept {
    for (size_t c = 0; c < widths.size() && c < minimums.size(); ++c) {
        if (int64_t{ColumnLeft(widths, static_cast<int>(c), 0, dpi)} + minimums[c] > clientWidth) return false;
    }
    return true;
}

}  // namespace

ColumnWidths ColumnMinimums(const ColumnWidths& captionTextWidths, Dpi dpi) {
    ColumnWidths minimums(captionTextWidths.size());
    for (size_t c = 0; c < minimums.size(); ++c)
        minimums[c] = std::max(captionTextWidths[c], 0) + 2 * GridTextMargin(dpi);
    return minimums;
}

GridColumnLayout LayoutGridColumns(int gridOuterWidth, int clientWidth, const ColumnWidths& captionTextWidths,
                                   Dpi dpi) {
    GridColumnLayout layout;
    layout.minimums = ColumnMinimums(captionTextWidths, dpi);
    layout.minimums.resize(kGridColumns);
    layout.widths = FitColumnWidths(gridOuterWidth, dpi);
    for (size_t c = 0; c < layout.widths.size(); ++c) layout.widths[c] = std::max(layout.widths[c], layout.minimums[c]);
    layout.contentWidth = ColumnLeft(layout.widths, kGridColumns, 0, dpi);
    layout.scrolls = !EveryMinimumInside(layout.widths, layout.minimums, clientWidth, dpi);
    return layout;
}

}  // namespace dd
