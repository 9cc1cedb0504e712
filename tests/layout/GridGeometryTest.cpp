#include <gtest/gtest.h>

#include "layout/GridGeometry.h"

namespace dd {
namespace {

const ColumnWidths kWide = {200, 300, 100, 100, 100};
const ColumnWidths kNarrow = {200, 300, -33, -33, -34};

TEST(ColumnLeft, AddsEveryEarlierWidthAndOneGridLineEach) {
    struct Case {
        ColumnWidths widths;
        int column;
        int left;
    };
    const Case cases[] = {
        {kWide, 0, 0},     {kWide, 1, 201},   {kWide, 2, 502},   {kWide, 4, 704},
        {kNarrow, 2, 502}, {kNarrow, 3, 470}, {kNarrow, 4, 438}, {{200, 300, 0, 0, 0}, 4, 504},
    };
    for (const Case& c : cases) EXPECT_EQ(ColumnLeft(c.widths, c.column), c.left) << "column " << c.column;
}

TEST(RowTop, FixedRowsStayAtTheTopAndTheOthersFollowTheTopRow) {
    struct Case {
        int32_t row, fixedRows, topRow;
        int top;
    };
    const Case cases[] = {
        {0, 0, 0, 0}, {3, 0, 0, 57}, {3, 0, 2, 19}, {1, 0, 2, -19}, {0, 1, 5, 0}, {5, 1, 5, 19}, {6, 1, 5, 38},
    };
    for (const Case& c : cases) EXPECT_EQ(RowTop(c.row, c.fixedRows, c.topRow), c.top) << "row " << c.row;
}

TEST(FullyVisibleRows, CountsRowsWhose18PixelsFitBelowTheFixedRows) {
    struct Case {
        int height;
        int32_t fixedRows;
        int32_t rows;
    };
    const Case cases[] = {{0, 0, 0},  {17, 0, 0}, {18, 0, 1},   {36, 0, 1},
                          {37, 0, 2}, {37, 1, 1}, {190, 0, 10}, {5, 1, 0}};
    for (const Case& c : cases) EXPECT_EQ(FullyVisibleRows(c.height, c.fixedRows), c.rows) << "height " << c.height;
}

TEST(CellAt, FindsTheCellUnderAPointAndNothingOnLinesOrBeyondTheCells) {
    struct Case {
        int x, y;
        ColumnWidths widths;
        int32_t rowCount, fixedRows, topRow;
        std::optional<GridCell> cell;
    };
    const Case cases[] = {
        {0, 0, kWide, 10, 0, 0, GridCell{0, 0}},     {199, 17, kWide, 10, 0, 0, GridCell{0, 0}},
        {200, 5, kWide, 10, 0, 0, std::nullopt},                                              // the line after column 0
        {201, 19, kWide, 10, 0, 0, GridCell{1, 1}},  {5, 18, kWide, 10, 0, 0, std::nullopt},  // the line below row 0
        {5, 38, kWide, 10, 0, 4, GridCell{0, 6}},    {5, 5, kWide, 10, 1, 4, GridCell{0, 0}},
        {5, 20, kWide, 10, 1, 4, GridCell{0, 4}},    {5, 19 * 10, kWide, 10, 0, 0, std::nullopt},  // below the last row
        {805, 5, kWide, 10, 0, 0, std::nullopt},      // right of the last column
        {480, 5, kNarrow, 10, 0, 0, GridCell{1, 0}},  // columns of negative width hit nothing
        {-1, 5, kWide, 10, 0, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellAt(c.x, c.y, c.widths, c.rowCount, c.fixedRows, c.topRow), c.cell) << c.x << "," << c.y;
    }
}

TEST(TopRowShowing, ScrollsJustFarEnoughToShowTheRow) {
    struct Case {
        int32_t row, topRow, rowCount, fixedRows, visible;
        int32_t expected;
    };
    const Case cases[] = {
        {5, 0, 100, 0, 10, 0}, {10, 0, 100, 0, 10, 1}, {3, 5, 100, 0, 10, 3}, {99, 0, 100, 0, 10, 90},
        {0, 5, 100, 1, 10, 5}, {1, 5, 100, 1, 10, 1},  {20, 0, 100, 0, 0, 0}, {4, 9, 5, 0, 10, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TopRowShowing(c.row, c.topRow, c.rowCount, c.fixedRows, c.visible), c.expected) << "row " << c.row;
    }
}

TEST(ScrollRangeFor, CoversTheRowsBelowTheFixedOnesWithAPageOfTheRowsInView) {
    EXPECT_EQ(ScrollRangeFor(57, 0, 3, 20), (GridScrollRange{56, 20, 3}));
    EXPECT_EQ(ScrollRangeFor(5, 1, 1, 20), (GridScrollRange{3, 20, 0}));
    EXPECT_EQ(ScrollRangeFor(1, 0, 0, 0), (GridScrollRange{0, 0, 0}));
}

}  // namespace
}  // namespace dd
