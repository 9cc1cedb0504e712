#pragma once

#include <cstdint>
#include <vector>

namespace dd {

// The grid rows that one printed page carries below its heading row. Every page repeats the title
// and grid row 0 (the headings); the rows from `firstRow` up to, not including, `endRow` follow.
struct PrintPage {
    int32_t firstRow = 1;
    int32_t endRow = 1;
    bool operator==(const PrintPage&) const = default;
};

// How many rows fit on a page below the heading row: those whose rectangle ends at or above the
// printable height. At least 1, so every page makes progress however small the paper. 0 when the
// height is unknown (0 or less): then nothing limits a page.
int32_t PrintRowsPerPage(int printableHeight);

// Rows 1 to rowCount - 1 split over pages in order: a row that would pass the printable height
// starts a new page. Always at least one page (the heading row alone when the grid has no other);
// an unknown height (0 or less) gives one page with every row.
std::vector<PrintPage> SplitPrintPages(int32_t rowCount, int printableHeight);

}  // namespace dd
