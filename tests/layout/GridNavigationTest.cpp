#include <gtest/gtest.h>

#include "layout/GridNavigation.h"
#include "layout/VirtualKeys.h"

namespace dd {
namespace {

TEST(CellAfterKey, MovesTheCurrentCellWithinTheRowsThatAreNotFixed) {
    struct Case {
        GridCell from;
        uint16_t key;
        bool ctrl;
        int32_t fixedRows;
        std::optional<GridCell> to;
    };
    // A grid of 5 columns and 30 rows with 10 rows in view.
    const Case cases[] = {
        {{0, 0}, keys::kDown, false, 0, GridCell{0, 1}},
        {{0, 0}, keys::kUp, false, 0, GridCell{0, 0}},
        {{0, 29}, keys::kDown, false, 0, GridCell{0, 29}},
        {{2, 3}, keys::kLeft, false, 0, GridCell{1, 3}},
        {{0, 3}, keys::kLeft, false, 0, GridCell{0, 3}},
        {{4, 3}, keys::kRight, false, 0, GridCell{4, 3}},
        {{1, 3}, keys::kPageDown, false, 0, GridCell{1, 13}},
        {{1, 25}, keys::kPageDown, false, 0, GridCell{1, 29}},
        {{1, 13}, keys::kPageUp, false, 0, GridCell{1, 3}},
        {{1, 3}, keys::kPageUp, false, 0, GridCell{1, 0}},
        {{3, 7}, keys::kHome, false, 0, GridCell{0, 7}},
        {{3, 7}, keys::kEnd, false, 0, GridCell{4, 7}},
        {{3, 7}, keys::kHome, true, 0, GridCell{3, 0}},
        {{3, 7}, keys::kEnd, true, 0, GridCell{3, 29}},
        {{0, 1}, keys::kUp, false, 1, GridCell{0, 1}},
        {{3, 7}, keys::kHome, true, 1, GridCell{3, 1}},
        {{0, 1}, 'A', false, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellAfterKey(c.from, c.key, c.ctrl, 5, 30, c.fixedRows, 10), c.to) << "key " << c.key;
    }
}

}  // namespace
}  // namespace dd
