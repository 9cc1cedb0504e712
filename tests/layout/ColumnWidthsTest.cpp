#include <gtest/gtest.h>

#include <numeric>

#include "layout/ColumnWidths.h"
#include "layout/GridColumnLayout.h"

namespace dd {
namespace {

TEST(FitColumnWidths, SharesTheRestOfTheOuterWidthAmongTheLastThreeColumns) {
    struct Case {
        int width;
        ColumnWidths expected;
    };
    const Case cases[] = {
        {800, {200, 300, 100, 100, 100}}, {700, {200, 300, 66, 66, 68}},     {651, {200, 300, 50, 50, 51}},
        {503, {200, 300, 1, 1, 1}},       {500, {200, 300, 0, 0, 0}},        {499, {200, 300, 0, 0, -1}},
        {400, {200, 300, -33, -33, -34}}, {0, {200, 300, -166, -166, -168}},
    };
    for (const Case& c : cases) {
        const ColumnWidths widths = FitColumnWidths(c.width);
        EXPECT_EQ(widths, c.expected) << "width " << c.width;
        EXPECT_EQ(std::accumulate(widths.begin(), widths.end(), 0), c.width) << "width " << c.width;
    }
}

// The print commands take the widths in 96-DPI pixels: a grid laid out at 192 DPI hands the printer the
// widths of the same grid at 96, so that its print is the same.
TEST(UnscaledColumnWidths, GiveTheWidthsOfTheSameGridAt96Dpi) {
    struct Case {
        const char* what;
        ColumnWidths scaled;
        Dpi dpi;
        ColumnWidths unscaled;
    };
    const Case cases[] = {
        {"96 DPI: unchanged", {200, 300, 66, 66, 68}, Dpi{96}, {200, 300, 66, 66, 68}},
        {"192 DPI", {400, 600, 200, 200, 200}, Dpi{192}, {200, 300, 100, 100, 100}},
        {"192 DPI, captions' minimums", {400, 600, 50, 80, 116}, Dpi{192}, {200, 300, 25, 40, 58}},
        {"144 DPI, odd widths round to the nearest", {300, 450, 101, 101, 103}, Dpi{144}, {200, 300, 67, 67, 69}},
        {"negative widths of an unfitted rule", {400, 600, -66, -66, -68}, Dpi{192}, {200, 300, -33, -33, -34}},
    };
    for (const Case& c : cases) EXPECT_EQ(UnscaledColumnWidths(c.scaled, c.dpi), c.unscaled) << c.what;

    // A window twice as large at twice the resolution prints as the window at 96 DPI. (Where the rule's
    // thirds do not divide evenly, each resolution truncates its own pixels: a 700-pixel grid's 66, 66, 68
    // are 133, 133, 134 at 192 DPI, printed as 67, 67, 67.)
    const ColumnWidths captions96 = {85, 52, 21, 36, 54};
    const ColumnWidths captions192 = {170, 104, 42, 72, 108};
    for (const int outer : {800, 1100, 500, 288}) {
        const GridColumnLayout at96 = LayoutGridColumns(outer, outer - 21, captions96);
        const GridColumnLayout at192 = LayoutGridColumns(2 * outer, 2 * (outer - 21), captions192, Dpi{192});
        EXPECT_EQ(UnscaledColumnWidths(at192.widths, Dpi{192}), at96.widths) << outer;
    }
}

}  // namespace
}  // namespace dd
