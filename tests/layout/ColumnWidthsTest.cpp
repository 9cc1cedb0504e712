#include <gtest/gtest.h>

#include <numeric>

#include "layout/ColumnWidths.h"

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

}  // namespace
}  // namespace dd
