#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "dictionary/GridModel.h"
#include "outputs/PrintCommands.h"

namespace dd {

// The drawing commands that print the grid under a title (see PrintTitle): per page the title in
// bold 10-point "Times New Roman" at (0, 100), then column by column the heading row at 300 and the
// page's rows below it, each cell untrimmed in its own clipped rectangle in regular 9 points.
// `columnWidths` are the grid's current widths in screen pixels (5 device units each); a column beyond them is 0.
// `printableHeight` is the printer's printable height in device units (VERTRES): a row that would
// pass it goes to the next page, which again carries the title and the headings. 0 or less when it
// is unknown: then every row is drawn on one page.
std::vector<PrintCommand> PrintFieldGridCommands(const GridModel& grid, std::string_view title,
                                                 std::span<const int> columnWidths, int printableHeight);

}  // namespace dd
