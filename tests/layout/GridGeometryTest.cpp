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

TEST(ColumnLeft, ScrolledColumnsMoveLeftAndGridLinesScaleWithTheResolution) {
    const ColumnWidths wide192 = {400, 600, 200, 200, 200};
    struct Case {
        ColumnWidths widths;
        int column;
        int offset;
        Dpi dpi;
        int left;
    };
    const Case cases[] = {
        {kWide, 0, 150, Dpi{96}, -150},  {kWide, 2, 150, Dpi{96}, 352},   {kWide, 5, 0, Dpi{96}, 805},
        {wide192, 1, 0, Dpi{192}, 402},  {wide192, 4, 0, Dpi{192}, 1408}, {wide192, 4, 300, Dpi{192}, 1108},
        {wide192, 5, 0, Dpi{192}, 1610}, {kWide, 1, 0, Dpi{144}, 202},    {kWide, 1, 0, Dpi{0}, 201},
        {kWide, 4, -20, Dpi{96}, 724},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColumnLeft(c.widths, c.column, c.offset, c.dpi), c.left)
            << "column " << c.column << " offset " << c.offset << " dpi " << c.dpi.value;
    }
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

TEST(GridMetrics, ScaleWithTheResolutionAndKeepAPixelAtTheLeast) {
    struct Case {
        Dpi dpi;
        int rowHeight, lineWidth, pitch, textMargin;
    };
    const Case cases[] = {
        {Dpi{96}, 18, 1, 19, 2},  {Dpi{192}, 36, 2, 38, 4}, {Dpi{144}, 27, 2, 29, 3},
        {Dpi{120}, 23, 1, 24, 3}, {Dpi{0}, 18, 1, 19, 2},   {Dpi{2}, 1, 1, 2, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GridRowHeight(c.dpi), c.rowHeight) << c.dpi.value;
        EXPECT_EQ(GridLineWidth(c.dpi), c.lineWidth) << c.dpi.value;
        EXPECT_EQ(GridRowPitch(c.dpi), c.pitch) << c.dpi.value;
        EXPECT_EQ(GridTextMargin(c.dpi), c.textMargin) << c.dpi.value;
    }
    EXPECT_EQ(RowTop(3, 0, 0, Dpi{192}), 114);
    EXPECT_EQ(RowTop(6, 1, 5, Dpi{192}), 76);
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

TEST(FullyVisibleRows, CountsRowsOf36PixelsAt192Dpi) {
    struct Case {
        int height;
        int32_t fixedRows;
        int32_t rows;
    };
    const Case cases[] = {{35, 0, 0}, {36, 0, 1}, {73, 0, 1}, {74, 0, 2}, {74, 1, 1}, {380, 0, 10}, {380, 1, 9}};
    for (const Case& c : cases) {
        EXPECT_EQ(FullyVisibleRows(c.height, c.fixedRows, Dpi{192}), c.rows) << "height " << c.height;
    }
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

TEST(CellAt, FollowsTheScrolledColumnsAndTheScaledRows) {
    const ColumnWidths wide192 = {400, 600, 200, 200, 200};
    struct Case {
        int x, y;
        ColumnWidths widths;
        int offset;
        Dpi dpi;
        std::optional<GridCell> cell;
    };
    // 10 rows, one fixed, scrolled down to row 4.
    const Case cases[] = {
        {0, 5, kWide, 150, Dpi{96}, GridCell{0, 0}},  // the captions scroll sideways too
        {49, 5, kWide, 150, Dpi{96}, GridCell{0, 0}},
        {50, 5, kWide, 150, Dpi{96}, std::nullopt},  // 200: the line after column 0
        {51, 5, kWide, 150, Dpi{96}, GridCell{1, 0}},
        {460, 20, kWide, 150, Dpi{96}, GridCell{3, 4}},
        {-1, 5, kWide, 150, Dpi{96}, std::nullopt},     // left of the client area, even if a column lies there
        {660, 5, kWide, 150, Dpi{96}, std::nullopt},    // right of the last column
        {401, 37, wide192, 0, Dpi{192}, std::nullopt},  // the 2-pixel line below row 0
        {402, 38, wide192, 0, Dpi{192}, GridCell{1, 4}},
        {400, 38, wide192, 0, Dpi{192}, std::nullopt},  // the 2-pixel line after column 0
        {1407, 76, wide192, 0, Dpi{192}, std::nullopt},
        {1408, 76, wide192, 0, Dpi{192}, GridCell{4, 5}},
        {1108, 76, wide192, 300, Dpi{192}, GridCell{4, 5}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellAt(c.x, c.y, c.widths, 10, 1, 4, c.offset, c.dpi), c.cell)
            << c.x << "," << c.y << " offset " << c.offset << " dpi " << c.dpi.value;
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
