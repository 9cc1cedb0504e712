#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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
        {352, 300, {1, 1, 230, 298}, {231, 1, 120, 298}},  // the narrowest that keeps the list whole
        // A Quick View panel: the list gives way to the grid's minimum as after a resize.
        {351, 300, {1, 1, 229, 298}, {230, 1, 120, 298}},
        {300, 200, {1, 1, 178, 198}, {179, 1, 120, 198}},
        {200, 150, {1, 1, 78, 148}, {79, 1, 120, 148}},
        {232, 2, {1, 1, 110, 0}, {111, 1, 120, 0}},
        // Too narrow for both minimums the list keeps its own; lower windows clamp the heights at 0.
        {100, 1, {1, 1, 60, 0}, {61, 1, 38, 0}},
        {0, 0, {1, 1, 60, 0}, {61, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        const ViewerLayout layout = LayoutViewer(c.width, c.height);
        EXPECT_EQ(layout.list, c.list) << c.width << "x" << c.height;
        EXPECT_EQ(layout.grid, c.grid) << c.width << "x" << c.height;
    }
}

TEST(LayoutViewer, AtTheirResolutionScalesTheMarginsAndTheList) {
    const ViewerLayout placed = LayoutViewer(2064, 1200, Dpi{192});
    EXPECT_EQ(placed.list, (Bounds{2, 2, 460, 1196}));
    EXPECT_EQ(placed.grid, (Bounds{462, 2, 1600, 1196}));
    const ViewerLayout panel = LayoutViewer(600, 400, Dpi{192});
    EXPECT_EQ(panel.list, (Bounds{2, 2, 356, 396}));
    EXPECT_EQ(panel.grid, (Bounds{358, 2, 240, 396}));
}

TEST(ListWidths, DefaultAndMinimumsScaleWithTheResolution) {
    struct Case {
        Dpi dpi;
        int standard, list, grid;
    };
    for (const Case& c : {Case{Dpi{96}, 230, 60, 120}, Case{Dpi{192}, 460, 120, 240}, Case{Dpi{144}, 345, 90, 180}}) {
        EXPECT_EQ(DefaultListWidth(c.dpi), c.standard) << c.dpi.value;
        EXPECT_EQ(MinimumListWidth(c.dpi), c.list) << c.dpi.value;
        EXPECT_EQ(MinimumGridWidth(c.dpi), c.grid) << c.dpi.value;
    }
}

TEST(LayoutViewerWithAListWidth, BothFollowTheWindowAndTheListKeepsItsWidthWithinTheMinimums) {
    struct Case {
        const char* what;
        int width, height, listWidth;
        Dpi dpi;
        Bounds list;
        Bounds grid;
    };
    const Case cases[] = {
        {"opening", 1032, 600, 230, Dpi{96}, {1, 1, 230, 598}, {231, 1, 800, 598}},
        {"a resize: the grid follows the height too", 1132, 550, 230, Dpi{96}, {1, 1, 230, 548}, {231, 1, 900, 548}},
        {"taller", 1032, 900, 230, Dpi{96}, {1, 1, 230, 898}, {231, 1, 800, 898}},
        {"a dragged list", 1032, 600, 400, Dpi{96}, {1, 1, 400, 598}, {401, 1, 630, 598}},
        {"the list's minimum", 1032, 600, 10, Dpi{96}, {1, 1, 60, 598}, {61, 1, 970, 598}},
        {"the grid's minimum", 1032, 600, 5000, Dpi{96}, {1, 1, 910, 598}, {911, 1, 120, 598}},
        {"a narrow window: the list gives way", 300, 400, 230, Dpi{96}, {1, 1, 178, 398}, {179, 1, 120, 398}},
        {"too narrow for both: the list keeps its minimum", 100, 50, 230, Dpi{96}, {1, 1, 60, 48}, {61, 1, 38, 48}},
        {"far too small", 10, 1, 230, Dpi{96}, {1, 1, 60, 0}, {61, 1, 0, 0}},
        {"192 DPI", 2064, 1200, 460, Dpi{192}, {2, 2, 460, 1196}, {462, 2, 1600, 1196}},
        {"192 DPI, the list's minimum", 2064, 1200, 100, Dpi{192}, {2, 2, 120, 1196}, {122, 2, 1940, 1196}},
        {"192 DPI, a narrow window", 600, 800, 460, Dpi{192}, {2, 2, 356, 796}, {358, 2, 240, 796}},
    };
    for (const Case& c : cases) {
        const ViewerLayout layout = LayoutViewer(c.width, c.height, c.listWidth, c.dpi);
        EXPECT_EQ(layout.list, c.list) << c.what;
        EXPECT_EQ(layout.grid, c.grid) << c.what;
    }
}

TEST(RescaledListWidth, KeepsTheSplittersPlaceAtTheNewResolution) {
    struct Case {
        int width;
        Dpi from, to;
        int rescaled;
    };
    const Case cases[] = {
        {230, Dpi{96}, Dpi{96}, 230},  {230, Dpi{96}, Dpi{192}, 460}, {460, Dpi{192}, Dpi{96}, 230},
        {333, Dpi{96}, Dpi{192}, 666}, {345, Dpi{144}, Dpi{96}, 230}, {301, Dpi{192}, Dpi{96}, 151},
        {60, Dpi{96}, Dpi{144}, 90},   {77, Dpi{0}, Dpi{192}, 154},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RescaledListWidth(c.width, c.from, c.to), c.rescaled)
            << c.width << " " << c.from.value << "->" << c.to.value;
}

// Wherever the grid gets its minimum beside the whole list, the viewer opens as it always has: the list
// at its default width, the grid the rest; in a narrower window it opens as one resized to that width.
TEST(LayoutViewer, OpensWithTheWholeListWhereverTheGridHasItsMinimumAndAsAResizeElsewhere) {
    for (const Dpi dpi : {Dpi{96}, Dpi{192}}) {
        const int margin = dpi.Scale(1);
        const int list = DefaultListWidth(dpi);
        const int narrowest = 2 * margin + list + MinimumGridWidth(dpi);
        for (int width = 0; width <= dpi.Scale(2000); ++width) {
            for (const int height : {0, 1, 2, 3, 400}) {
                const ViewerLayout opened = LayoutViewer(width, height, dpi);
                const std::string where =
                    std::to_string(width) + "x" + std::to_string(height) + " at " + std::to_string(dpi.value);
                ASSERT_EQ(opened, LayoutViewer(width, height, list, dpi)) << where;
                if (width < narrowest) continue;
                const int rowsHeight = std::max(height - 2 * margin, 0);
                ASSERT_EQ(opened.list, (Bounds{margin, margin, list, rowsHeight})) << where;
                ASSERT_EQ(opened.grid, (Bounds{margin + list, margin, width - 2 * margin - list, rowsHeight})) << where;
            }
        }
    }
}

}  // namespace
}  // namespace dd
