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

}  // namespace
}  // namespace dd
