#include <gtest/gtest.h>

#include <algorithm>

#include "layout/GridColumnLayout.h"
#include "layout/GridGeometry.h"
#include "layout/GridNavigation.h"
#include "layout/HorizontalScroll.h"
#include "layout/VirtualKeys.h"

namespace dd {
namespace {

const ColumnWidths kCaptions = {85, 52, 21, 36, 54};  // minimums 89, 56, 25, 40, 58

// A 450-pixel window: a grid of 218 pixels, 197 of them client area; the identifier and the description
// as the rule makes them, the last three at their minimums (left edges 0, 201, 502, 528, 569; 628 pixels
// with the last grid line).
const GridColumnLayout kNarrow = LayoutGridColumns(218, 197, kCaptions);
constexpr int kNarrowClient = 197;
// A 932-pixel window: the rule's widths, the last caption 15 pixels under the vertical scroll bar.
const GridColumnLayout kAlmost = LayoutGridColumns(700, 679, kCaptions);
// A 1032-pixel window: no scrolling.
const GridColumnLayout kWide = LayoutGridColumns(800, 779, kCaptions);

TEST(HorizontalScrollRangeFor, SpansTheColumnsWithAPageOfTheClientWidth) {
    struct Case {
        const char* where;
        const GridColumnLayout& columns;
        int client;
        int offset;
        GridScrollRange expected;
    };
    const Case cases[] = {
        {"narrow", kNarrow, kNarrowClient, 30, {627, 197, 30}},
        {"narrow, offset beyond the end", kNarrow, kNarrowClient, 500, {627, 197, 431}},
        {"narrow, negative offset", kNarrow, kNarrowClient, -4, {627, 197, 0}},
        {"almost", kAlmost, 679, 10, {704, 679, 10}},
        {"almost, offset beyond the end", kAlmost, 679, 40, {704, 679, 26}},
        {"wide: no bar", kWide, 779, 0, {0, 0, 0}},
        {"wide: no bar whatever the offset", kWide, 779, 15, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HorizontalScrollRangeFor(c.columns, c.client, c.offset), c.expected) << c.where;
    }
    EXPECT_EQ(kNarrow.contentWidth, 628);
    EXPECT_EQ(kAlmost.contentWidth, 705);
}

TEST(ClampHorizontalOffset, KeepsTheOffsetInRangeWhenSizesChange) {
    struct Case {
        const GridColumnLayout& columns;
        int client;
        int offset;
        int expected;
    };
    const Case cases[] = {
        {kNarrow, kNarrowClient, 431, 431},
        {kNarrow, kNarrowClient, 432, 431},
        {kNarrow, 250, 431, 378},  // the client area grew: the columns' right end stays at its right edge
        {kNarrow, 0, 1000, 628},
        {kNarrow, -20, 1000, 628},
        {kNarrow, kNarrowClient, -1, 0},
        {kWide, 779, 50, 0},  // the bar went away: the columns go back to their start
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClampHorizontalOffset(c.offset, c.columns, c.client), c.expected) << c.client << " " << c.offset;
    }
}

TEST(HorizontalOffsetShowing, ScrollsJustFarEnoughToShowTheColumn) {
    struct Case {
        const GridColumnLayout& columns;
        int client;
        int column;
        int offset;
        int expected;
    };
    const Case cases[] = {
        {kNarrow, kNarrowClient, 4, 0, 430},    // its right end at the client area's right edge
        {kNarrow, kNarrowClient, 3, 0, 371},    // 528 + 40 - 197
        {kNarrow, kNarrowClient, 2, 431, 431},  // in view already
        {kNarrow, kNarrowClient, 0, 431, 0},    // left of the client area: its left edge at the left edge
        {kNarrow, kNarrowClient, 1, 100, 201},  // wider than the client area: its left part shows
        {kNarrow, 50, 1, 0, 201},
        {kNarrow, 50, 0, 30, 0},
        {kNarrow, kNarrowClient, 7, 500, 431},  // no such column: the offset is only kept in range
        {kAlmost, 679, 4, 0, 25},               // 636 + 68 - 679; the last grid line stays beyond
        {kAlmost, 679, 1, 26, 26},
        {kWide, 779, 4, 0, 0},  // the columns do not scroll
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HorizontalOffsetShowing(c.column, c.offset, c.columns, c.client), c.expected)
            << "column " << c.column << " from " << c.offset;
    }
}

TEST(HorizontalOffsetShowing, ScalesWithTheGridLinesAt192Dpi) {
    const ColumnWidths captions = {170, 104, 42, 72, 108};  // minimums 178, 112, 50, 80, 116
    const GridColumnLayout columns = LayoutGridColumns(436, 394, captions, Dpi{192});
    ASSERT_TRUE(columns.scrolls);
    EXPECT_EQ(columns.contentWidth, 400 + 600 + 50 + 80 + 116 + 5 * 2);
    EXPECT_EQ(HorizontalOffsetShowing(4, 0, columns, 394, Dpi{192}), 400 + 600 + 50 + 80 + 4 * 2 + 116 - 394);
    EXPECT_EQ(HorizontalLineStep(Dpi{192}), 38);
    EXPECT_EQ(HorizontalLineStep(), 19);
}

// The arrow, Home and End keys move the current cell across a narrow grid, and the offset that follows
// it keeps the whole current cell in view.
TEST(HorizontalOffsetShowing, KeepsTheCurrentCellInViewAsTheKeysMoveIt) {
    const uint16_t moves[] = {keys::kRight, keys::kRight, keys::kRight, keys::kRight, keys::kRight,
                              keys::kLeft,  keys::kLeft,  keys::kHome,  keys::kEnd,   keys::kLeft};
    for (const int client : {kNarrowClient, 120, 60}) {
        GridCell current{0, 1};
        int offset = 0;
        for (const uint16_t key : moves) {
            current = *CellAfterKey(current, key, false, kGridColumns, 10, 1, 5);
            offset = HorizontalOffsetShowing(current.column, offset, kNarrow, client);
            const int left = ColumnLeft(kNarrow.widths, current.column, offset);
            const int width = kNarrow.widths[static_cast<size_t>(current.column)];
            EXPECT_GE(left, 0) << client << " column " << current.column;
            EXPECT_LE(left + std::min(width, client), client) << client << " column " << current.column;
            EXPECT_EQ(CellAt(left, 20, kNarrow.widths, 10, 1, 1, offset), (GridCell{current.column, 1}));
        }
    }
}

}  // namespace
}  // namespace dd
