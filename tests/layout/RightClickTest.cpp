#include <gtest/gtest.h>

#include <optional>

#include "layout/RightClick.h"

namespace dd {
namespace {

TEST(CellToSelectOnRightClick, SelectsACellOutsideTheRangeAndKeepsARangeClickedInside) {
    struct Case {
        const char* name;
        std::optional<GridCell> clicked;
        GridRange selection;
        int32_t fixedRows;
        std::optional<GridCell> expected;
    };
    const Case cases[] = {
        {"another cell than the current one", GridCell{2, 5}, {0, 1, 0, 1}, 0, GridCell{2, 5}},
        {"the current cell itself", GridCell{0, 1}, {0, 1, 0, 1}, 0, std::nullopt},
        {"a cell inside a range of several", GridCell{3, 4}, {0, 0, 4, 9}, 0, std::nullopt},
        {"a corner of the range", GridCell{4, 9}, {0, 2, 4, 9}, 0, std::nullopt},
        {"just below the range", GridCell{4, 10}, {0, 2, 4, 9}, 0, GridCell{4, 10}},
        {"just left of the range", GridCell{0, 3}, {1, 2, 4, 9}, 0, GridCell{0, 3}},
        {"row 0 when it is no fixed row", GridCell{1, 0}, {0, 2, 0, 2}, 0, GridCell{1, 0}},
        {"a fixed row", GridCell{1, 0}, {0, 2, 0, 2}, 1, std::nullopt},
        {"no cell under the pointer", std::nullopt, {0, 2, 0, 2}, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellToSelectOnRightClick(c.clicked, c.selection, c.fixedRows), c.expected) << c.name;
}

// The menu acts on the cell the user pointed at: a range dragged from (0, 2) to (3, 6) has its current
// cell at the corner where the drag ended, yet a right click inside the range copies the clicked cell.
TEST(CellForContextMenu, IsTheCellClickedInsideOrOutsideTheRangeAndTheCurrentCellFromTheKeyboard) {
    struct Case {
        const char* name;
        std::optional<GridCell> clicked;  // nothing: the menu key or Shift+F10, or a click beside the cells
        int32_t fixedRows;
        GridCell menuCell;
        GridRange selectionAfter;
    };
    const Case cases[] = {
        {"inside the range", GridCell{1, 3}, 0, {1, 3}, {0, 2, 3, 6}},
        {"on the range's first corner", GridCell{0, 2}, 0, {0, 2}, {0, 2, 3, 6}},
        {"on the current cell", GridCell{3, 6}, 0, {3, 6}, {0, 2, 3, 6}},
        {"outside the range", GridCell{4, 8}, 0, {4, 8}, {4, 8, 4, 8}},
        {"row 0 when it is no fixed row", GridCell{2, 0}, 0, {2, 0}, {2, 0, 2, 0}},
        {"a fixed row", GridCell{2, 0}, 1, {3, 6}, {0, 2, 3, 6}},
        {"from the keyboard", std::nullopt, 0, {3, 6}, {0, 2, 3, 6}},
    };
    for (const Case& c : cases) {
        GridModel grid(kGridColumns, 20, c.fixedRows);
        grid.SetCurrent({0, 2});
        grid.SetCurrent({3, 6}, true);
        if (const auto cell = CellToSelectOnRightClick(c.clicked, grid.Selection(), grid.FixedRows()))
            grid.SetCurrent(*cell);
        EXPECT_EQ(CellForContextMenu(c.clicked, grid.Current(), grid.FixedRows()), c.menuCell) << c.name;
        EXPECT_EQ(grid.Selection(), c.selectionAfter) << c.name;
    }
}

}  // namespace
}  // namespace dd
