#pragma once

#include <vector>

#include "layout/ColumnWidths.h"
#include "layout/Dpi.h"
#include "layout/GridColumnLayout.h"

namespace dd {

// The columns of the grid that shows a base's table: a narrow first column for the deleted rows' mark, then
// one column per field, as wide as its longest value can be (its length in characters of the font's average
// width) or its caption, whichever is wider, with the cell's text margin on both sides, but no wider than a
// third of the screen, so that a long text field leaves room for the others. `captionTextWidths` and
// `markTextWidth` are measured on the screen in the grid's font; `fieldLengths` are the fields' lengths in
// characters.
ColumnWidths TableColumnWidths(const std::vector<int>& fieldLengths, const std::vector<int>& captionTextWidths,
                               int averageCharWidth, int markTextWidth, int screenWidth, Dpi dpi = kDefaultDpi);

// The narrowest a column of a table's grid may be dragged: room for a character and the margins.
int NarrowestTableColumn(int averageCharWidth, Dpi dpi = kDefaultDpi) noexcept;

// The columns at the widths given, in a grid of this client width: they scroll sideways where they do not fit.
GridColumnLayout LayoutGivenColumns(const ColumnWidths& widths, int clientWidth, Dpi dpi = kDefaultDpi);

}  // namespace dd
