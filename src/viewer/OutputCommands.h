#pragma once

#include <string_view>

#include "dictionary/GridModel.h"
#include "layout/ColumnWidths.h"
#include "viewer/Printer.h"

namespace dd {

// Prints the grid under the title on the library's printer (the default printer): the title in
// bold, then the cells column by column in rectangles as wide as the grid's current column widths,
// on as many pages as the printer's printable height needs. Fails with the printer's errors.
void PrintFieldGrid(const GridModel& grid, const ColumnWidths& widths, std::string_view title);
// The same pages on the device that `open` makes (a printer chosen in the print dialog); nothing is
// printed when it makes none: false.
bool PrintFieldGrid(const GridModel& grid, const ColumnWidths& widths, std::string_view title,
                    const Printer::DeviceOpener& open);

}  // namespace dd
