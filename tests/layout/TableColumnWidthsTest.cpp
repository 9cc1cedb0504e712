#include <gtest/gtest.h>

#include "layout/TableColumnWidths.h"
#include "layout/ViewerLayout.h"

namespace dd {
namespace {

TEST(TableColumnWidths, FitTheLongestValueOrTheCaptionUpToAThirdOfTheScreen) {
    // Fields of 9, 300 and 1 characters in a font of 7 pixels a character on a screen 1500 wide: the mark's
    // column, ID, a long comment held to 500, a flag as wide as its caption; 2-pixel margins on both sides.
    EXPECT_EQ(TableColumnWidths({9, 300, 1}, {14, 60, 40}, 7, 5, 1500), (ColumnWidths{9, 67, 500, 44}));
    EXPECT_EQ(TableColumnWidths({9, 300, 1}, {28, 120, 80}, 14, 10, 3000, Dpi{192}), (ColumnWidths{18, 134, 1000, 88}));
    // A screen too narrow for a third to hold one character still gives every column that.
    EXPECT_EQ(TableColumnWidths({5}, {100}, 7, 5, 12), (ColumnWidths{9, 11}));
    EXPECT_EQ(TableColumnWidths({}, {}, 7, 5, 1500), (ColumnWidths{9}));
}

TEST(LayoutGivenColumns, ScrollsWhereTheColumnsPassTheClientArea) {
    const GridColumnLayout fits = LayoutGivenColumns({10, 100, 200}, 400);
    EXPECT_EQ(fits.contentWidth, 313);  // each column and its grid line
    EXPECT_FALSE(fits.scrolls);
    EXPECT_TRUE(LayoutGivenColumns({10, 100, 200}, 312).scrolls);
}

TEST(LayoutTableView, PutsTheTitleLineAboveTheGrid) {
    EXPECT_EQ(LayoutTableView(800, 600), (TableViewLayout{{1, 1, 798, 22}, {1, 23, 798, 576}}));
    EXPECT_EQ(LayoutTableView(800, 600, Dpi{192}), (TableViewLayout{{2, 2, 796, 44}, {2, 46, 796, 552}}));
    EXPECT_EQ(LayoutTableView(10, 10), (TableViewLayout{{1, 1, 8, 8}, {1, 9, 8, 0}}));
    EXPECT_EQ(LayoutTableView(0, 0), (TableViewLayout{{1, 1, 0, 0}, {1, 1, 0, 0}}));
}

}  // namespace
}  // namespace dd
