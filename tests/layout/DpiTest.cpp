#include <gtest/gtest.h>

#include "layout/Dpi.h"

namespace dd {
namespace {

TEST(Dpi, ScalesFrom96PixelsPerInchRoundingToTheNearestPixel) {
    struct Case {
        int dpi;
        int at96;
        int scaled;
    };
    const Case cases[] = {
        {96, 230, 230}, {96, -34, -34}, {192, 230, 460}, {192, 18, 36},   {192, -33, -66}, {120, 1, 1}, {120, 2, 3},
        {144, 1, 2},    {144, 11, 17},  {144, -11, -17}, {168, 230, 403}, {288, 14, 42},   {72, 3, 2},  {120, 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Dpi{c.dpi}.Scale(c.at96), c.scaled) << c.dpi << " " << c.at96;
    // A resolution the system could not tell leaves the sizes as laid out.
    EXPECT_EQ(Dpi{0}.Scale(230), 230);
    EXPECT_EQ(Dpi{-96}.Scale(18), 18);
}

TEST(Dpi, UnscalesBackTo96PixelsPerInch) {
    EXPECT_EQ(Dpi{192}.Unscale(460), 230);
    EXPECT_EQ(Dpi{144}.Unscale(17), 11);
    EXPECT_EQ(Dpi{96}.Unscale(-34), -34);
    EXPECT_EQ(Dpi{0}.Unscale(5), 5);
}

}  // namespace
}  // namespace dd
