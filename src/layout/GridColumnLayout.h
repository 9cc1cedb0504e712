#pragma once

#include "layout/ColumnWidths.h"
#include "layout/Dpi.h"

namespace dd {

// The field grid's columns in a grid of a given size: their widths, and whether a horizontal scroll
// bar is needed to reach them all.
struct GridColumnLayout {
    ColumnWidths widths{};
    // No column is narrower than its caption with the cell's text margin on both sides.
    ColumnWidths minimums{};
    // From the first column's left edge to the right end of the last grid line.
    int contentWidth = 0;
    // The columns do not fit the client area, and a horizontal scroll bar shows and scrolls them.
    bool scrolls = false;
    bool operator==(const GridColumnLayout&) const = default;
};

// Each column's narrowest width: its caption's text width (measured on the screen with the grid's
// font) and the cell's text margin on both sides.
ColumnWidths ColumnMinimums(const ColumnWidths& captionTextWidths, Dpi dpi = kDefaultDpi);

// The columns of a grid of this outer width (border and vertical scroll bar included) and client width.
//
// Each column is as wide as the width rule (FitColumnWidths) makes it, or its minimum where the rule
// gives less; so where the rule gives every column enough, the widths are exactly the rule's.
//
// The columns fit, and no scroll bar shows, when every column's minimum lies inside the client area.
// The rule's widths add up to the outer width, so the last column always reaches under the border and
// the vertical scroll bar; it is its caption that must be seen whole. Where even the rule's widths
// leave the last caption partly under the scroll bar (a grid a little wider than the rule needs, about
// 670 to 745 pixels at 96 DPI with captions of the usual widths), the widths stay the rule's and a
// short scroll bar reaches the rest.
GridColumnLayout LayoutGridColumns(int gridOuterWidth, int clientWidth, const ColumnWidths& captionTextWidths,
                                   Dpi dpi = kDefaultDpi);

}  // namespace dd
