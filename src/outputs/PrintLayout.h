#pragma once

namespace dd::print_layout {

// The page geometry of a printed grid, in the printer's device units. Positions do not follow the
// printer's resolution (only font sizes do), so a 300-dot printer shows the grid twice as large as
// a 600-dot one.
inline constexpr int kTitleX = 0;
inline constexpr int kTitleY = 100;
// One screen pixel of column width becomes this many device units.
inline constexpr int kWidthFactor = 5;
// Top of the heading row; every row is one pitch high and the rows touch.
inline constexpr int kHeadingTop = 300;
inline constexpr int kRowPitch = 150;
// Space kept free at the right end of every cell rectangle.
inline constexpr int kRightGap = 30;
// The text's top-left corner, relative to the top-left corner of its cell rectangle.
inline constexpr int kTextOffsetX = 50;
inline constexpr int kTextOffsetY = 50;

inline constexpr int kTitlePoints = 10;
inline constexpr int kCellPoints = 9;

}  // namespace dd::print_layout
