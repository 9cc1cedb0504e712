#pragma once

#include <vector>

#include "dictionary/GridModel.h"
#include "layout/Dpi.h"

namespace dd {

// The widths of a grid's columns in pixels, from the left: five for the field grid, one more than the table's
// columns for a base's table.
using ColumnWidths = std::vector<int>;

// The column-width rule of the field grid: 200 and 300 pixels (at 96 DPI) for the identifier and the
// description, the rest of the grid's outer width shared by the last three columns, the remainder to
// the last one. Nothing is clamped: a grid narrower than 500 pixels gives zero or negative widths.
ColumnWidths FitColumnWidths(int gridOuterWidth, Dpi dpi = kDefaultDpi);

// The widths on a screen of this resolution back in 96-DPI pixels, as the print commands take them:
// a print at any resolution is the print at 96 DPI.
ColumnWidths UnscaledColumnWidths(const ColumnWidths& widths, Dpi dpi);

}  // namespace dd
