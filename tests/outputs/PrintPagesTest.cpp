#include <gtest/gtest.h>

#include <vector>

#include "outputs/PrintPages.h"

namespace dd {
namespace {

TEST(PrintRowsPerPage, CountsTheRowsWhoseRectangleEndsWithinTheHeight) {
    struct Case {
        int printableHeight;
        int32_t expected;
    };
    const Case cases[] = {
        {0, 0},
        {-1, 0},
        {-2147483647 - 1, 0},  // unknown: no limit
        {1, 1},
        {450, 1},
        {599, 1},  // too small for one row: still one per page
        {600, 1},
        {749, 1},
        {750, 2},
        {899, 2},
        {900, 3},
        {6814, 42},  // A4 at 600 dots per inch
        {2147483647, 14316554},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrintRowsPerPage(c.printableHeight), c.expected) << "height " << c.printableHeight;
    }
}

TEST(SplitPrintPages, BreaksBeforeARowThatWouldPassTheHeight) {
    struct Case {
        int32_t rowCount;
        int printableHeight;
        std::vector<PrintPage> expected;
    };
    const Case cases[] = {
        {60, 0, {{1, 60}}},  // unknown height: everything on one page
        {60, -5, {{1, 60}}},
        {1, 600, {{1, 1}}},  // the headings alone
        {0, 600, {{1, 1}}},  // a grid never has fewer than one row
        {4, 900, {{1, 4}}},  // the last row ends exactly at the height
        {4, 899, {{1, 3}, {3, 4}}},
        {5, 750, {{1, 3}, {3, 5}}},  // a full last page: no empty page after it
        {6, 750, {{1, 3}, {3, 5}, {5, 6}}},
        {3, 1, {{1, 2}, {2, 3}}},  // tiny paper: one row per page
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rowCount << " rows, height " << c.printableHeight);
        const std::vector<PrintPage> pages = SplitPrintPages(c.rowCount, c.printableHeight);
        ASSERT_EQ(pages.size(), c.expected.size());
        for (size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(pages[i].firstRow, c.expected[i].firstRow) << "page " << i;
            EXPECT_EQ(pages[i].endRow, c.expected[i].endRow) << "page " << i;
        }
    }
}

}  // namespace
}  // namespace dd
