#pragma once

#include <array>

#include "dictionary/GridModel.h"
#include "layout/Dpi.h"

namespace dd {

using ColumnWidths = std::array<int, kGridColumns>;

// The column-width rule of the field grid: 200 and 300 pixels (at 96 DPI) for the identifier and the
// description, the rest of the grid's outer width shared by the last three columns, the remainder to
// the last one. Nothing is clamped: a grid narrower than 500 pixels gives zero or negative widths.
ColumnWidths FitColumnWidths(int gridOuterWidth, Dpi dpi = kDefaultDpi) noexcept;

// The widths on a screen of this resolution back in 96-DPI pixels, as the print commands take them:
// a print at any resolution is the print at 96 DPI.
ColumnWidths UnscaledColumnWidths(const ColumnWidths& widths, Dpi dpi) noexcept;

}  // namespace dd
