#include <gtest/gtest.h>

#include "layout/ViewerLayout.h"

namespace dd {
namespace {

TEST(LayoutViewer, PlacesTheListLeftAndTheGridRightWithAOnePixelMargin) {
    struct Case {
        int width;
        int height;
        Bounds list;
        Bounds grid;
    };
    const Case cases[] = {
        {1032, 600, {1, 1, 230, 598}, {231, 1, 800, 598}},
        {732, 400, {1, 1, 230, 398}, {231, 1, 500, 398}},
        {232, 2, {1, 1, 230, 0}, {231, 1, 0, 0}},
        // Narrower or lower windows clamp the sizes at 0 instead of making them negative.
        {100, 1, {1, 1, 230, 0}, {231, 1, 0, 0}},
        {0, 0, {1, 1, 230, 0}, {231, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        const ViewerLayout layout = LayoutViewer(c.width, c.height);
        EXPECT_EQ(layout.list, c.list) << c.width << "x" << c.height;
        EXPECT_EQ(layout.grid, c.grid) << c.width << "x" << c.height;
    }
}

TEST(AnchorViewer, TheListFollowsTheHeightAndTheGridTheWidthOnly) {
    const ViewerLayout placed = LayoutViewer(1032, 600);
    struct Case {
        int width;
        int height;
        Bounds list;
        Bounds grid;
    };
    const Case cases[] = {
        // 100 pixels wider and 50 less high: the grid 100 wider at its old height, the list 50 shorter.
        {1132, 550, {1, 1, 230, 548}, {231, 1, 900, 598}},
        {1032, 600, placed.list, placed.grid},
        {200, 1, {1, 1, 230, 0}, {231, 1, 0, 598}},
    };
    for (const Case& c : cases) {
        const ViewerLayout layout = AnchorViewer(placed, c.width, c.height);
        EXPECT_EQ(layout.list, c.list) << c.width << "x" << c.height;
        EXPECT_EQ(layout.grid, c.grid) << c.width << "x" << c.height;
    }
}

}  // namespace
}  // namespace dd
