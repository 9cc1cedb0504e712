#include <gtest/gtest.h>

#include <cstdint>

#include "layout/Splitter.h"

namespace dd {
namespace {

TEST(SplitterZone, LiesOverTheTouchingBordersOfTheListAndTheGrid) {
    struct Case {
        const char* what;
        ViewerLayout layout;
        Dpi dpi;
        Bounds zone;
    };
    const Case cases[] = {
        {"opening", LayoutViewer(1032, 600), Dpi{96}, {229, 1, 4, 598}},
        {"a dragged list", LayoutViewer(1032, 600, 400), Dpi{96}, {399, 1, 4, 598}},
        {"192 DPI", LayoutViewer(2064, 1200, 460, Dpi{192}), Dpi{192}, {458, 2, 8, 1196}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitterZone(c.layout, c.dpi), c.zone) << c.what;
}

TEST(IsOnSplitter, TakesTheZonesPixelsAndNoOthers) {
    const ViewerLayout layout = LayoutViewer(1032, 600);
    struct Case {
        int x, y;
        bool on;
    };
    const Case cases[] = {
        {228, 300, false}, {229, 300, true}, {231, 300, true}, {232, 300, true},  {233, 300, false},
        {230, 0, false},   {230, 1, true},   {230, 598, true}, {230, 599, false}, {-230, 300, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsOnSplitter(c.x, c.y, layout), c.on) << c.x << "," << c.y;
}

TEST(DraggedListWidth, MovesWithTheMouseWithinTheMinimums) {
    struct Case {
        SplitterDrag drag;
        int x;
        int windowWidth;
        Dpi dpi;
        int listWidth;
    };
    const Case cases[] = {
        {{231, 230}, 231, 1032, Dpi{96}, 230},
        {{231, 230}, 331, 1032, Dpi{96}, 330},
        {{229, 230}, 100, 1032, Dpi{96}, 101},  // grabbed at the zone's left end: the list moves as the mouse
        {{231, 230}, 60, 1032, Dpi{96}, 60},
        {{231, 230}, -500, 1032, Dpi{96}, 60},   // the mouse held beyond the window's left edge
        {{231, 230}, 5000, 1032, Dpi{96}, 910},  // the grid keeps its 120 pixels
        {{1231, 230}, 2000, 300, Dpi{96}, 178},  // screen coordinates, a narrow window
        {{231, 230}, 2000, 100, Dpi{96}, 60},    // too narrow for both: the list keeps its minimum
        {{0, 230}, INT32_MAX, 1032, Dpi{96}, 910},
        {{0, 230}, INT32_MIN, 1032, Dpi{96}, 60},
        {{462, 460}, 662, 2064, Dpi{192}, 660},
        {{462, 460}, 0, 2064, Dpi{192}, 120},
        {{462, 460}, 3000, 2064, Dpi{192}, 1820},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DraggedListWidth(c.drag, c.x, c.windowWidth, c.dpi), c.listWidth)
            << c.drag.startX << " to " << c.x << " in " << c.windowWidth;
    }
}

}  // namespace
}  // namespace dd
