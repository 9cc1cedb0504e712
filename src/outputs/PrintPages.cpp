#include "outputs/PrintPages.h"

#include <algorithm>

#include "outputs/PrintLayout.h"

namespace dd {

int32_t PrintRowsPerPage(int printableHeight) {
    if (printableHeight <= 0) return 0;
    using namespace print_layout;
    // Row k below the headings (k from 1) ends at kHeadingTop + kRowPitch * (k + 1).
    const int fitting = (printableHeight - kHeadingTop) / kRowPitch - 1;
    return std::max(fitting, 1);
}

std::vector<PrintPage> SplitPrintPages(int32_t rowCount, int printableHeight) {
    const int32_t endRow = std::max<int32_t>(rowCount, 1);
    const int32_t perPage = PrintRowsPerPage(printableHeight);
    if (perPage == 0 || endRow == 1) return {PrintPage{1, endRow}};
    std::vector<PrintPage> pages;
    for (int32_t first = 1; first < endRow;) {
        const int32_t end = first + std::min(perPage, endRow - first);
        pages.push_back({first, end});
        first = end;
    }
    return pages;
}

}  // namespace dd
