// The viewer window inside the Lister window: its creation, the placement of the list and the grid,
// the column widths, and what follows a change of the window's size.
#include <algorithm>
#include <numeric>
#include <string>

#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

LOGFONTA FontOf(HWND window) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// Each column's narrowest width: its caption in the grid's font and a 2-pixel text margin on both sides.
std::vector<int> CaptionMinimums(HWND grid) {
    std::vector<int> minimums;
    for (int column = 0; column < 5; ++column) minimums.push_back(CaptionTextWidth(grid, column) + 4);
    return minimums;
}

bool HasHorizontalBar(HWND grid) { return (GetWindowLongA(grid, GWL_STYLE) & WS_HSCROLL) != 0; }

// Every column can be brought into the client area with at least its caption: by a position of the
// horizontal scroll bar where there is one, as it stands where there is none.
void ExpectEveryColumnReachable(HWND grid, const std::string& where) {
    const GridState state = ReadGrid(grid);
    const std::vector<int> minimums = CaptionMinimums(grid);
    RECT client{};
    GetClientRect(grid, &client);
    const SCROLLINFO bar = ScrollBarOf(grid, SB_HORZ);
    const int content = GridColumnLeft(state.widths, 5, 0);
    const int lastPosition = HasHorizontalBar(grid) ? bar.nMax + 1 - static_cast<int>(bar.nPage) : 0;
    if (HasHorizontalBar(grid)) {
        EXPECT_EQ(bar.nMin, 0) << where;
        EXPECT_EQ(bar.nMax + 1, content) << where;
        EXPECT_EQ(static_cast<int>(bar.nPage), client.right) << where;
    }
    for (int column = 0; column < 5; ++column) {
        EXPECT_GE(state.widths[static_cast<size_t>(column)], minimums[static_cast<size_t>(column)])
            << where << ", column " << column;
        const int left = GridColumnLeft(state.widths, column, 0);
        // The position that shows the column's left edge, as far right as the bar goes: there the
        // column shows its caption whole, or from its left edge where it is wider than the client area.
        const int position = std::min(left, lastPosition);
        const bool whole = left - position + minimums[static_cast<size_t>(column)] <= client.right;
        EXPECT_TRUE(whole || left == position) << where << ", column " << column << " out of reach";
    }
}

TEST_F(PluginTest, TheViewerIsAMaximizedChildFillingTheListerWindow) {
    auto [lister, viewer, list, grid] = OpenSample("1Cv7.DD", {false, 1032, 600});
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
    auto [lister, viewer, list, grid] = OpenSample();
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
        // The rule's widths where they give every column its caption, or the rule's first two and the
        // captions' minimums for the rest.
        bool ruleIsEnough;
        bool horizontalBar;
    };
    const Case cases[] = {
        {1032, 600, {1, 1, 231, 599}, {231, 1, 1031, 599}, true, false},
        // The rule's widths are enough, but the last caption would end under the grid's border: a
        // short scroll bar reaches it.
        {932, 500, {1, 1, 231, 499}, {231, 1, 931, 499}, true, true},
        {732, 400, {1, 1, 231, 399}, {231, 1, 731, 399}, false, true},
        {632, 400, {1, 1, 231, 399}, {231, 1, 631, 399}, false, true},
        // Too narrow for the grid's 120 pixels beside the whole list: the list gives way, as on a resize.
        {300, 300, {1, 1, 179, 299}, {179, 1, 299, 299}, false, true},
        {200, 300, {1, 1, 79, 299}, {79, 1, 199, 299}, false, true},
    };
    for (const Case& c : cases) {
        auto [lister, viewer, list, grid] = OpenSample("1Cv7.DD", {false, c.width, c.height});
        ASSERT_NE(viewer, nullptr) << c.width;
        EXPECT_EQ(WindowBounds(ListOf(viewer)), c.list) << c.width;
        EXPECT_EQ(WindowBounds(grid), c.grid) << c.width;
        const std::vector<int> widths = ReadGrid(grid).widths;
        const std::vector<int> rule = RuleWidths(Width(c.grid));
        if (c.ruleIsEnough) {
            EXPECT_EQ(widths, rule) << c.width;
            EXPECT_EQ(std::accumulate(widths.begin(), widths.end(), 0), Width(c.grid)) << c.width;
        } else {
            const std::vector<int> minimums = CaptionMinimums(grid);
            EXPECT_EQ(widths, (std::vector<int>{200, 300, minimums[2], minimums[3], minimums[4]})) << c.width;
        }
        if (Width(c.grid) > 0) {
            EXPECT_EQ(HasHorizontalBar(grid), c.horizontalBar) << c.width;
            ExpectEveryColumnReachable(grid, std::to_string(c.width));
        }
    }
}

// A viewer opened in a small Lister window, a Quick View panel among them, is placed as one opened large
// and resized to that size: a grid of its minimum width with every column within reach, in the same
// columns, and the list's width back at its default once the window is large again.
TEST_F(PluginTest, AViewerOpenedInASmallWindowIsPlacedAsOneResizedToThatSize) {
    struct Case {
        int width;
        int height;
        bool embedded;
    };
    const Case cases[] = {{300, 200, false}, {200, 150, false}, {300, 200, true}, {200, 150, true}};
    for (const Case& c : cases) {
        const std::string where =
            std::to_string(c.width) + "x" + std::to_string(c.height) + (c.embedded ? ", embedded" : ", top-level");
        auto small = OpenSample("1Cv7.DD", {c.embedded, c.width, c.height});
        ASSERT_NE(small.viewer, nullptr) << where;
        host::PumpMessages();
        EXPECT_EQ(WindowBounds(small.grid), (RECT{c.width - 121, 1, c.width - 1, c.height - 1})) << where;
        EXPECT_EQ(WindowBounds(small.list), (RECT{1, 1, c.width - 121, c.height - 1})) << where;
        ExpectEveryColumnReachable(small.grid, where);

        auto resized = OpenSample("1Cv7.DD", {c.embedded, 1032, 600});
        ASSERT_NE(resized.viewer, nullptr) << where;
        Resize(resized.viewer, c.width, c.height);
        EXPECT_EQ(WindowBounds(small.list), WindowBounds(resized.list)) << where;
        EXPECT_EQ(WindowBounds(small.grid), WindowBounds(resized.grid)) << where;
        EXPECT_EQ(ReadGrid(small.grid).widths, ReadGrid(resized.grid).widths) << where;

        Resize(small.viewer, 1032, 600);
        EXPECT_EQ(WindowBounds(small.list), (RECT{1, 1, 231, 599})) << where;
        small.lister->ClosePlugin();
        resized.lister->ClosePlugin();
    }
}

TEST_F(PluginTest, At1032PixelsTheColumnsAreTheRulesExactlyWithoutAHorizontalBar) {
    auto [lister, viewer, list, grid] = OpenSample("1Cv7.DD", {false, 1032, 600});
    ASSERT_NE(viewer, nullptr);
    for (int table = 0; table < 6; ++table) {  // tables with and without a vertical bar
        ChooseTable(viewer, table);
        EXPECT_EQ(ReadGrid(grid).widths, (std::vector<int>{200, 300, 100, 100, 100})) << table;
        EXPECT_FALSE(HasHorizontalBar(grid)) << table;
    }
}

// The host resizes the viewer with the Lister window; each size in turn, from one of 1040 x 700.
TEST_F(PluginTest, OnEveryResizeBothCoverTheRowsFrom1ToHeightMinus2AndEveryColumnStaysReachable) {
    auto [lister, viewer, list, grid] = OpenSample("1Cv7.DD", {false, 1040, 700});
    ASSERT_NE(viewer, nullptr);
    host::PumpMessages();
    struct Case {
        int width;
        int height;
        int listWidth;
        bool ruleIsEnough;
    };
    const Case cases[] = {
        {1040, 1000, 230, true},
        {1040, 300, 230, true},
        {520, 400, 230, false},
        // Too narrow for the grid's 120 pixels beside a list of 230: the list gives way.
        {300, 200, 178, false},
        {1040, 700, 230, true},
    };
    // A short table, and the longest, which needs the vertical bar in the low sizes.
    for (const int table : {0, BiggestTable(viewer)}) {
        ChooseTable(viewer, table);
        for (const Case& c : cases) {
            const std::string where =
                std::to_string(c.width) + "x" + std::to_string(c.height) + ", table " + std::to_string(table);
            Resize(viewer, c.width, c.height);
            EXPECT_EQ(WindowBounds(list), (RECT{1, 1, 1 + c.listWidth, c.height - 1})) << where;
            EXPECT_EQ(WindowBounds(grid), (RECT{1 + c.listWidth, 1, c.width - 1, c.height - 1})) << where;
            const int gridWidth = c.width - 2 - c.listWidth;
            EXPECT_EQ(ReadGrid(grid).widths, FittedWidths(grid, gridWidth)) << where;
            if (c.ruleIsEnough) {
                EXPECT_EQ(ReadGrid(grid).widths, RuleWidths(gridWidth)) << where;
            }
            ExpectEveryColumnReachable(grid, where);
            // Painting refits nothing: the columns were fitted with the resize.
            const std::vector<int> before = ReadGrid(grid).widths;
            UpdateWindow(grid);
            EXPECT_EQ(ReadGrid(grid).widths, before) << where;
        }
    }

    // Too narrow for both minimums: the list keeps its 60 pixels, the grid takes the rest; too low
    // for anything: heights stay at 0.
    Resize(viewer, 100, 1);
    EXPECT_EQ(WindowBounds(list), (RECT{1, 1, 61, 1}));
    EXPECT_EQ(WindowBounds(grid), (RECT{61, 1, 99, 1}));
}

// The horizontal bar takes from the rows' height, the vertical one from the columns' width: around the
// sizes where either bar comes or goes, both settle at once on every resize, before any painting.
TEST_F(PluginTest, TheTwoScrollBarsSettleTogetherOnEveryResize) {
    auto [lister, viewer, list, grid] = OpenSample("1Cv7.DD", {false, 1032, 600});
    ASSERT_NE(viewer, nullptr);
    ChooseTable(viewer, BiggestTable(viewer));
    const int rows = ReadGrid(grid).rowCount;
    const std::vector<int> minimums = CaptionMinimums(grid);
    const int rowsHeight = rows * 19 - 1;  // every row and the lines between them
    // Around the grid heights whose client area holds every row without the horizontal bar but not with
    // it, and the grid widths whose columns fit without the vertical bar but not with it.
    int seen[2][2] = {};  // sizes seen with and without each bar
    for (const int extraHeight : {-2, 4, 10, 16, 22}) {
        for (const int gridWidth : {700, 712, 716, 720, 728, 744, 760, 766, 768, 776}) {
            const int height = rowsHeight + 2 + 4 + extraHeight;
            const int width = 232 + gridWidth;
            Resize(viewer, width, height);
            const std::string where = std::to_string(width) + "x" + std::to_string(height);
            RECT client{};
            GetClientRect(grid, &client);
            const std::vector<int> widths = ReadGrid(grid).widths;
            ASSERT_EQ(widths, FittedWidths(grid, width - 232)) << where;
            bool columnsFit = true;
            for (int column = 0; column < 5; ++column) {
                if (GridColumnLeft(widths, column, 0) + minimums[static_cast<size_t>(column)] > client.right)
                    columnsFit = false;
            }
            ASSERT_EQ(HasHorizontalBar(grid), !columnsFit) << where;
            const bool rowsFit = rows <= (client.bottom + 1) / 19;
            ASSERT_EQ((GetWindowLongA(grid, GWL_STYLE) & WS_VSCROLL) != 0, !rowsFit) << where;
            ++seen[columnsFit ? 0 : 1][rowsFit ? 0 : 1];
        }
    }
    for (const auto& horizontal : seen) {
        for (const int sizes : horizontal) EXPECT_GT(sizes, 0);
    }
}

TEST_F(PluginTest, TheHostsResizeOfTheListerWindowReachesTheGridsHeightAndColumns) {
    auto [lister, viewer, list, grid] = OpenSample("1Cv7.DD", {false, 1032, 600});
    ASSERT_NE(viewer, nullptr);
    SetWindowPos(lister->Handle(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(lister->Handle(), &client);
    EXPECT_EQ(WindowBounds(viewer), client);
    EXPECT_EQ(WindowBounds(grid), (RECT{231, 1, client.right - 1, client.bottom - 1}));
    ExpectEveryColumnReachable(grid, "700x500");
}

}  // namespace
}  // namespace dd::test
