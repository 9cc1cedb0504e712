#include <gtest/gtest.h>

#include <string>

#include "layout/GridColumnLayout.h"
#include "layout/GridGeometry.h"
#include "layout/HorizontalScroll.h"

namespace dd {
namespace {

// The captions' text widths in the grid's bold font at 96 DPI (Идентификатор, Описание, Тип, Длина,
// Точность), and twice those at 192 DPI; with the 2-pixel text margins on both sides the minimums are
// 89, 56, 25, 40, 58 at 96 DPI.
const ColumnWidths kCaptions96 = {85, 52, 21, 36, 54};
const ColumnWidths kCaptions192 = {170, 104, 42, 72, 108};

// The grid's client width: its outer width less the 2-pixel client edge on both sides and, when the
// rows need it, the 17-pixel vertical scroll bar (all scaled).
int ClientWidth(int outerWidth, Dpi dpi, bool verticalBar = true) {
    return outerWidth - 2 * dpi.Scale(2) - (verticalBar ? dpi.Scale(17) : 0);
}

bool NoneBelowItsMinimum(const ColumnWidths& widths, const ColumnWidths& minimums) {
    for (size_t c = 0; c < widths.size(); ++c) {
        if (widths[c] < minimums[c]) return false;
    }
    return true;
}

TEST(ColumnMinimums, AddTheTextMarginOnBothSidesOfTheCaption) {
    EXPECT_EQ(ColumnMinimums(kCaptions96), (ColumnWidths{89, 56, 25, 40, 58}));
    EXPECT_EQ(ColumnMinimums(kCaptions192, Dpi{192}), (ColumnWidths{178, 112, 50, 80, 116}));
    EXPECT_EQ(ColumnMinimums({0, -5, 1, 2, 3}), (ColumnWidths{4, 4, 5, 6, 7}));  // a failed measurement
}

TEST(LayoutGridColumns, KeepsTheRulesWidthsWhereTheyAreEnoughAndTheMinimumsWhereTheyAreNot) {
    struct Case {
        const char* where;
        int outer;
        Dpi dpi;
        ColumnWidths expected;
        bool scrolls;
    };
    const Case cases[] = {
        // A 1032-pixel window: the rule's widths, the last caption inside the client area.
        {"1032", 800, Dpi{96}, {200, 300, 100, 100, 100}, false},
        {"2064 at 192 DPI", 1600, Dpi{192}, {400, 600, 200, 200, 200}, false},
        // A 732-pixel window: the rule leaves the last three columns nothing; they get their captions'
        // widths and the grid scrolls to them.
        {"732", 500, Dpi{96}, {200, 300, 25, 40, 58}, true},
        {"1464 at 192 DPI", 1000, Dpi{192}, {400, 600, 50, 80, 116}, true},
        // Just too narrow for the rule: Точность gets its 58 pixels, the others keep the rule's 53.
        {"892", 660, Dpi{96}, {200, 300, 53, 53, 58}, true},
        // The rule's widths are enough but leave the last caption partly under the vertical scroll bar.
        {"932", 700, Dpi{96}, {200, 300, 66, 66, 68}, true},
        {"912", 680, Dpi{96}, {200, 300, 60, 60, 60}, true},
        // A Quick View panel of 520 pixels and a 450-pixel window: the last three at their minimums, scrolled.
        {"520", 288, Dpi{96}, {200, 300, 25, 40, 58}, true},
        {"450", 218, Dpi{96}, {200, 300, 25, 40, 58}, true},
        {"no grid", 0, Dpi{96}, {200, 300, 25, 40, 58}, true},
    };
    for (const Case& c : cases) {
        const ColumnWidths& captions = c.dpi.value == 96 ? kCaptions96 : kCaptions192;
        const GridColumnLayout layout = LayoutGridColumns(c.outer, ClientWidth(c.outer, c.dpi), captions, c.dpi);
        EXPECT_EQ(layout.widths, c.expected) << c.where;
        EXPECT_EQ(layout.scrolls, c.scrolls) << c.where;
        EXPECT_EQ(layout.contentWidth, ColumnLeft(c.expected, kGridColumns, 0, c.dpi)) << c.where;
    }
}

TEST(LayoutGridColumns, AWideEnoughGridKeepsTheRulesWidthsWithoutAScrollBarWhateverTheVerticalBar) {
    for (const bool verticalBar : {true, false}) {
        for (const int outer : {800, 1100}) {
            EXPECT_FALSE(LayoutGridColumns(outer, ClientWidth(outer, Dpi{96}, verticalBar), kCaptions96).scrolls)
                << outer << " " << verticalBar;
        }
        for (const int outer : {1600, 2200}) {
            EXPECT_FALSE(
                LayoutGridColumns(outer, ClientWidth(outer, Dpi{192}, verticalBar), kCaptions192, Dpi{192}).scrolls)
                << outer << " " << verticalBar;
        }
    }
    EXPECT_EQ(LayoutGridColumns(1100, ClientWidth(1100, Dpi{96}), kCaptions96).widths,
              (ColumnWidths{200, 300, 200, 200, 200}));
}

// Every grid from 100 to 1200 pixels (at 96 DPI, and as wide again at 192): no column below its minimum,
// the rule's widths wherever they are enough, and every column's minimum brought whole into the client
// area by some scroll position.
TEST(LayoutGridColumns, EveryColumnIsReachableInEveryGridWidth) {
    struct Case {
        Dpi dpi;
        ColumnWidths captions;
    };
    const Case cases[] = {{Dpi{96}, kCaptions96},
                          {Dpi{192}, kCaptions192},
                          {Dpi{96}, {130, 80, 30, 55, 80}},  // a wider font: the rule is enough only in wider grids
                          {Dpi{144}, {128, 78, 32, 54, 81}}};
    for (const Case& c : cases) {
        for (int outer = c.dpi.Scale(100); outer <= c.dpi.Scale(1200); ++outer) {
            for (const bool verticalBar : {true, false}) {
                const int client = ClientWidth(outer, c.dpi, verticalBar);
                const GridColumnLayout layout = LayoutGridColumns(outer, client, c.captions, c.dpi);
                const ColumnWidths rule = FitColumnWidths(outer, c.dpi);
                const std::string where = std::to_string(c.dpi.value) + " dpi, grid " + std::to_string(outer) +
                                          (verticalBar ? " with" : " without") + " vertical bar";
                ASSERT_TRUE(NoneBelowItsMinimum(layout.widths, layout.minimums)) << where;
                for (size_t column = 0; column < rule.size(); ++column) {
                    // A column is never narrower than the rule makes it, nor wider than it needs beyond that.
                    ASSERT_EQ(layout.widths[column], std::max(rule[column], layout.minimums[column])) << where;
                }
                for (int column = 0; column < kGridColumns; ++column) {
                    const int offset = HorizontalOffsetShowing(column, 0, layout, client, c.dpi);
                    ASSERT_GE(offset, 0) << where;
                    ASSERT_LE(offset, MaxHorizontalOffset(layout, client)) << where;
                    const int left = ColumnLeft(layout.widths, column, offset, c.dpi);
                    const int minimum = layout.minimums[static_cast<size_t>(column)];
                    ASSERT_GE(left, 0) << where << ", column " << column;
                    if (minimum <= client) {
                        ASSERT_LE(left + minimum, client) << where << ", column " << column;
                    }
                }
                if (!layout.scrolls) {
                    ASSERT_EQ(MaxHorizontalOffset(layout, client), 0) << where;
                }
            }
        }
    }
}

}  // namespace
}  // namespace dd
