// The viewer window inside the Lister window: its creation, the placement of the list and the grid,
// the column widths, and what follows a change of the window's size.
#include <numeric>

#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

LOGFONTA FontOf(HWND window) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

void Resize(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(PluginTest, TheViewerIsAMaximizedChildFillingTheListerWindow) {
    auto lister = MakeLister(false, 1032, 600);
    const HWND viewer = lister->Load(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(GetParent(viewer), lister->Handle());
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(viewer, GWL_STYLE)), WS_CHILD | WS_MAXIMIZE | WS_VISIBLE);
    EXPECT_EQ(GetWindowLongA(viewer, GWL_EXSTYLE), 0);
    EXPECT_EQ(WindowBounds(viewer), (RECT{0, 0, 1032, 600}));
    EXPECT_EQ(GetClassLongA(viewer, GCL_CBWNDEXTRA), 4);
    EXPECT_EQ(GetClassLongPtrA(viewer, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
    char text[64] = {};
    GetWindowTextA(viewer, text, sizeof text);
    EXPECT_STREQ(text, "Simple Lister plugin");
}

TEST_F(PluginTest, TheListAndTheGridUseArialOf11PixelsInCyrillicTheGridBold) {
    auto lister = MakeLister();
    const HWND viewer = lister->Load(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(viewer, nullptr);
    struct Case {
        HWND window;
        LONG weight;
    };
    for (const Case& c : {Case{ListOf(viewer), FW_NORMAL}, Case{GridOf(viewer), FW_BOLD}}) {
        const LOGFONTA font = FontOf(c.window);
        EXPECT_STREQ(font.lfFaceName, "Arial");
        EXPECT_EQ(font.lfHeight, -11);
        EXPECT_EQ(font.lfWeight, c.weight);
        EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
    }
    const HWND list = ListOf(viewer);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 14);
    const LONG listStyle = GetWindowLongA(list, GWL_STYLE);
    EXPECT_EQ(listStyle & LBS_SORT, 0);
    EXPECT_NE(listStyle & LBS_NOTIFY, 0);
    const LONG gridStyle = GetWindowLongA(GridOf(viewer), GWL_STYLE);
    EXPECT_EQ(gridStyle & WS_HSCROLL, 0);
    EXPECT_NE(GetWindowLongA(GridOf(viewer), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
}

TEST_F(PluginTest, LayoutPlacesTheListLeftAndTheGridRightAndFitsTheColumnsToTheGridsWidth) {
    struct Case {
        int width;
        int height;
        RECT list;
        RECT grid;
        std::vector<int> widths;
    };
    const Case cases[] = {
        {1032, 600, {1, 1, 231, 599}, {231, 1, 1031, 599}, {200, 300, 100, 100, 100}},
        {932, 500, {1, 1, 231, 499}, {231, 1, 931, 499}, {200, 300, 66, 66, 68}},
        {732, 400, {1, 1, 231, 399}, {231, 1, 731, 399}, {200, 300, 0, 0, 0}},
        {632, 400, {1, 1, 231, 399}, {231, 1, 631, 399}, {200, 300, -33, -33, -34}},
        // Narrower than 232 pixels: the grid's width stays 0 instead of going negative.
        {200, 300, {1, 1, 231, 299}, {231, 1, 231, 299}, {200, 300, -166, -166, -168}},
    };
    for (const Case& c : cases) {
        auto lister = MakeLister(false, c.width, c.height);
        const HWND viewer = lister->Load(WindowsSamplePath("1Cv7.DD"));
        ASSERT_NE(viewer, nullptr) << c.width;
        EXPECT_EQ(WindowBounds(ListOf(viewer)), c.list) << c.width;
        EXPECT_EQ(WindowBounds(GridOf(viewer)), c.grid) << c.width;
        const GridState grid = ReadGrid(GridOf(viewer));
        EXPECT_EQ(grid.widths, c.widths) << c.width;
        EXPECT_EQ(std::accumulate(grid.widths.begin(), grid.widths.end(), 0), Width(c.grid)) << c.width;
    }
}

TEST_F(PluginTest, OnAResizeTheListFollowsTheHeightTheGridTheWidthAndTheColumnsTheNextPaint) {
    auto lister = MakeLister(false, 1032, 600);
    const HWND viewer = lister->Load(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(viewer, nullptr);
    const HWND grid = GridOf(viewer);
    host::PumpMessages();

    Resize(viewer, 1132, 550);
    EXPECT_EQ(WindowBounds(ListOf(viewer)), (RECT{1, 1, 231, 549}));
    EXPECT_EQ(WindowBounds(grid), (RECT{231, 1, 1131, 599}));  // its height stays
    UpdateWindow(grid);
    EXPECT_EQ(ReadGrid(grid).widths, (std::vector<int>{200, 300, 133, 133, 134}));

    // The host resizes the viewer with the Lister window.
    SetWindowPos(lister->Handle(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(lister->Handle(), &client);
    EXPECT_EQ(WindowBounds(viewer), client);
    UpdateWindow(grid);
    EXPECT_EQ(Width(WindowBounds(grid)), client.right - 232);
    const GridState state = ReadGrid(grid);
    EXPECT_EQ(std::accumulate(state.widths.begin(), state.widths.end(), 0), client.right - 232);

    Resize(viewer, 100, 1);  // too small for the layout: sizes stay at 0
    EXPECT_EQ(Width(WindowBounds(grid)), 0);
    EXPECT_EQ(Height(WindowBounds(ListOf(viewer))), 0);
}

}  // namespace
}  // namespace dd::test
