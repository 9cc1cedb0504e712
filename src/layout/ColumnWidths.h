#pragma once

#include <array>

#include "dictionary/GridModel.h"

namespace dd {

using ColumnWidths = std::array<int, kGridColumns>;

// The column-width rule of the field grid: 200 and 300 pixels for the identifier and the description,
// the rest of the grid's outer width shared by the last three columns, the remainder to the last one.
// Nothing is clamped: a grid narrower than 500 pixels gives zero or negative widths.
ColumnWidths FitColumnWidths(int gridOuterWidth) noexcept;

}  // namespace dd
