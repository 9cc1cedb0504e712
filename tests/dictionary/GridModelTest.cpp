#include <gtest/gtest.h>

#include <functional>

#include "dictionary/GridModel.h"

namespace dd {
namespace {

TEST(GridModel, StartsWithFiveRowsOneFixedAndTheCurrentCellBelowIt) {
    GridModel grid;
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Current(), (GridCell{0, 1}));
}

TEST(GridModel, ARowCountNotAboveTheFixedRowsLowersThemAndResetsTheCurrentCell) {
    GridModel grid;
    grid.SetCurrent({3, 4});
    grid.SetTopRow(2);
    grid.SetRowCount(1);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Current(), (GridCell{0, 0}));
    EXPECT_EQ(grid.TopRow(), 0);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.FixedRows(), 0);  // nothing sets it back
}

TEST(GridModel, ACurrentCellBeyondTheNewLastRowMovesUpInItsColumn) {
    GridModel grid(5, 10, 0);
    grid.SetCurrent({2, 3});
    grid.SetCurrent({4, 8}, true);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.Current(), (GridCell{4, 5}));
    EXPECT_EQ(grid.Selection(), (GridRange{4, 5, 4, 5}));
    grid.SetCurrent({1, 2});
    grid.SetRowCount(1);
    EXPECT_EQ(grid.Current(), (GridCell{1, 0}));
}

TEST(GridModel, RowsDroppedByASmallerCountComeBackEmpty) {
    GridModel grid(5, 3, 0);
    grid.SetCell(4, 2, "x");
    grid.SetRowCount(0);  // counts as 1
    EXPECT_EQ(grid.RowCount(), 1);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Cell(4, 2), "");
}

TEST(GridModel, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
    GridModel grid;
    grid.SetCell(5, 0, "x");
    grid.SetCell(0, 5, "x");
    grid.SetCell(-1, 0, "x");
    EXPECT_EQ(grid.Cell(5, 0), "");
    EXPECT_EQ(grid.Cell(0, -1), "");
}

TEST(GridModel, SelectionSpansFromTheAnchorToTheCurrentCell) {
    GridModel grid(5, 10, 1);
    grid.SetCurrent({3, 6});
    grid.SetCurrent({1, 2}, true);
    EXPECT_EQ(grid.Selection(), (GridRange{1, 2, 3, 6}));
    grid.SetCurrent({0, 0});  // a fixed row cannot be current
    EXPECT_EQ(grid.Current(), (GridCell{0, 1}));
}

// A highlighted current cell (a search's hit) stays highlighted while the view around it changes and loses
// the mark with any change of the current cell, even to itself, since the user has moved then.
TEST(GridModel, TheCurrentCellsHighlightGoesWithTheNextChangeOfTheCurrentCell) {
    struct Case {
        const char* what;
        std::function<void(GridModel&)> change;
        bool highlighted;
    };
    const Case cases[] = {
        {"nothing", [](GridModel&) {}, true},
        {"scrolled", [](GridModel& grid) { grid.SetTopRow(5); }, true},
        {"a cell written", [](GridModel& grid) { grid.SetCell(2, 4, "x"); }, true},
        {"more rows", [](GridModel& grid) { grid.SetRowCount(20); }, true},
        {"fewer rows, the current one kept", [](GridModel& grid) { grid.SetRowCount(5); }, true},
        {"another cell",
         [](GridModel& grid) {
             grid.SetCurrent({2, 5});
         },
         false},
        {"the same cell again",
         [](GridModel& grid) {
             grid.SetCurrent({2, 4});
         },
         false},
        {"the selection extended",
         [](GridModel& grid) {
             grid.SetCurrent({3, 6}, true);
         },
         false},
        {"the rows ran out under it", [](GridModel& grid) { grid.SetRowCount(3); }, false},
        {"the grid emptied to its captions", [](GridModel& grid) { grid.SetRowCount(1); }, false},
    };
    for (const Case& c : cases) {
        GridModel grid(5, 10, 0);
        EXPECT_FALSE(grid.IsCurrentHighlighted()) << c.what;
        grid.SetCurrent({2, 4});
        grid.HighlightCurrent();
        c.change(grid);
        EXPECT_EQ(grid.IsCurrentHighlighted(), c.highlighted) << c.what;
    }
}

}  // namespace
}  // namespace dd
