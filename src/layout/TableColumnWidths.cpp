#include "layout/TableColumnWidths.h"

#include <algorithm>

#include "layout/GridGeometry.h"

namespace dd {

ColumnWidths TableColumnWidths(const std::vector<int>& fieldLengths, const std::vector<int>& captionTextWidths,
                               int averageCharWidth, int markTextWidth, int screenWidth, Dpi dpi) {
    const int margins = 2 * GridTextMargin(dpi);
    const int widest = std::max(screenWidth / 3, NarrowestTableColumn(averageCharWidth, dpi));
    ColumnWidths widths;
    widths.push_back(std::max(markTextWidth, 0) + margins);
    for (size_t field = 0; field < fieldLengths.size(); ++field) {
        const int64_t content = int64_t{std::max(fieldLengths[field], 1)} * std::max(averageCharWidth, 1);
        const int caption = field < captionTextWidths.size() ? std::max(captionTextWidths[field], 0) : 0;
        const int64_t width = std::max<int64_t>(content, caption) + margins;
        widths.push_back(static_cast<int>(std::min<int64_t>(width, widest)));
    }
    return widths;
}

int NarrowestTableColumn(int averageCharWidth, Dpi dpi) noexcept {
    return std::max(averageCharWidth, 1) + 2 * GridTextMargin(dpi);
}

GridColumnLayout LayoutGivenColumns(const ColumnWidths& widths, int clientWidth, Dpi dpi) {
    GridColumnLayout layout;
    layout.widths = widths;
    layout.minimums = widths;
    layout.contentWidth = ColumnLeft(widths, static_cast<int>(widths.size()), 0, dpi);
    layout.scrolls = layout.contentWidth > clientWidth;
    return layout;
}

}  // namespace dd
