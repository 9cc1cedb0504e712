// The viewer's colours as they reach the screen: the host's lcp_darkmode paints the list, the grid and
// the form's margins dark, at loading and live through lc_newparams; without it every part keeps the
// system's colours. Read from the pixels the windows show.
#include <functional>

#include "layout/ColourScheme.h"
#include "windows/host/ListerInterface.h"
#include "windows/support/PluginTestSupport.h"
#include "windows/support/WindowPicture.h"

namespace dd::test {
namespace {

using host::kDarkMode;
using host::kDarkModeNative;
constexpr int kNewParams = host::kNewParamsCommand;
constexpr int kListRow = 14;    // the list's row height
constexpr int kGridPitch = 19;  // an 18-pixel grid row and its line

// The colour a role must show in: the system's in light mode, as the viewer has always painted.
Rgb Expected(PaintRole role, bool dark) {
    if (dark) return DarkColour(role);
    switch (role) {
        case PaintRole::Background:
            return RgbOf(GetSysColor(COLOR_WINDOW));
        case PaintRole::Text:
            return RgbOf(GetSysColor(COLOR_WINDOWTEXT));
        case PaintRole::Selection:
            return RgbOf(GetSysColor(COLOR_HIGHLIGHT));
        case PaintRole::SelectionText:
            return RgbOf(GetSysColor(COLOR_HIGHLIGHTTEXT));
        case PaintRole::Edge:
            return RgbOf(GetSysColor(COLOR_BTNSHADOW));
        default:
            return RgbOf(GetSysColor(COLOR_BTNFACE));
    }
}

int ClientWidth(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client.right;
}

int ClientHeight(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client.bottom;
}

// A grid cell's rectangle in the grid's client area, while the grid shows its first rows.
RECT GridCellRect(HWND grid, int column, int row) {
    const std::vector<int> widths = ReadGrid(grid).widths;
    int left = 0;
    for (int c = 0; c < column; ++c) left += widths[static_cast<size_t>(c)] + 1;
    return {left, row * kGridPitch, left + widths[static_cast<size_t>(column)], row * kGridPitch + kGridPitch - 1};
}

// A point in a cell away from its text and its focus rectangle: near its right end, halfway down.
POINT QuietPointOf(const RECT& cell) { return {cell.right - 5, (cell.top + cell.bottom) / 2}; }

enum class Part { List, ListFrame, Grid, Form };

struct Probe {
    const char* what;
    Part part;
    std::function<POINT(HWND viewer)> where;
    PaintRole role;
};

// Places whose colour the loaded sample (1Cv7.DD, its first table chosen, the list focused) must show.
const std::vector<Probe>& Probes() {
    static const std::vector<Probe> probes = {
        {"the list below its entries", Part::List,
         [](HWND viewer) {
             return POINT{10, ClientHeight(ListOf(viewer)) - 3};
         },
         PaintRole::Background},
        {"the selected entry", Part::List,
         [](HWND viewer) {
             return POINT{ClientWidth(ListOf(viewer)) - 5, kListRow / 2};
         },
         PaintRole::Selection},
        {"an entry not selected", Part::List,
         [](HWND viewer) {
             return POINT{ClientWidth(ListOf(viewer)) - 5, kListRow + kListRow / 2};
         },
         PaintRole::Background},
        {"the grid below its rows", Part::Grid,
         [](HWND viewer) {
             return POINT{300, ClientHeight(GridOf(viewer)) - 3};
         },
         PaintRole::Background},
        {"a cell", Part::Grid, [](HWND viewer) { return QuietPointOf(GridCellRect(GridOf(viewer), 1, 1)); },
         PaintRole::Background},
        {"the current cell of a grid that is not active", Part::Grid,
         [](HWND viewer) { return QuietPointOf(GridCellRect(GridOf(viewer), 0, 0)); }, PaintRole::Selection},
        {"the line right of a column", Part::Grid,
         [](HWND viewer) {
             return POINT{GridCellRect(GridOf(viewer), 1, 1).right, kGridPitch + 5};
         },
         PaintRole::GridLine},
        {"the line below a row", Part::Grid,
         [](HWND viewer) {
             return POINT{GridCellRect(GridOf(viewer), 1, 2).left + 50, 2 * kGridPitch - 1};
         },
         PaintRole::GridLine},
        {"the form's margin left of the list", Part::Form,
         [](HWND viewer) {
             return POINT{WindowBounds(ListOf(viewer)).left - 1, 100};
         },
         PaintRole::FormBackground},
        {"the form's margin above the list", Part::Form,
         [](HWND viewer) {
             return POINT{100, WindowBounds(ListOf(viewer)).top - 1};
         },
         PaintRole::FormBackground},
    };
    return probes;
}

class DarkModeTest : public PluginTest {
protected:
    HWND Open(int showFlags) {
        opened_ = OpenSample("1Cv7.DD", {}, showFlags);
        return viewer_;
    }

    // Every probe shows its role's colour of the mode, and the text of the list and the grid is
    // written in the mode's text colour.
    void ExpectColours(bool dark, const std::string& context) {
        const WindowPicture list(ListOf(viewer_));
        const WindowPicture grid(GridOf(viewer_));
        const WindowPicture form(viewer_);
        for (const Probe& probe : Probes()) {
            const POINT point = probe.where(viewer_);
            const WindowPicture& picture = probe.part == Part::List ? list : probe.part == Part::Grid ? grid : form;
            EXPECT_EQ(picture.AtClient(point.x, point.y), Expected(probe.role, dark))
                << probe.what << " at " << point.x << "," << point.y << ", " << context;
        }
        const Rgb text = Expected(PaintRole::Text, dark);
        const Rgb ground = Expected(PaintRole::Background, dark);
        EXPECT_GE(list.InkPixels({1, kListRow, 60, 2 * kListRow}, text, ground), 20) << "list text, " << context;
        EXPECT_GE(grid.InkPixels(GridCellRect(GridOf(viewer_), 0, 1), text, ground), 20) << "grid text, " << context;
        EXPECT_EQ(list.At(0, 0), Expected(PaintRole::Edge, dark)) << "the list's edge, " << context;
        EXPECT_EQ(grid.At(0, 0), Expected(PaintRole::Edge, dark)) << "the grid's edge, " << context;
    }

    OpenedViewer opened_;
    std::unique_ptr<host::ListerWindow>& lister_ = opened_.lister;
    HWND& viewer_ = opened_.viewer;
};

TEST_F(DarkModeTest, ListLoadWithDarkMode_PaintsTheListTheGridAndTheMarginsDark) {
    for (const int flags : {kDarkMode, kDarkMode | kDarkModeNative}) {
        ASSERT_NE(Open(flags), nullptr);
        ExpectColours(true, "flags " + std::to_string(flags));
        lister_->ClosePlugin();
    }
}

TEST_F(DarkModeTest, WithoutDarkMode_EveryPartKeepsTheSystemsColours) {
    for (const int flags : {0, kDarkModeNative, 1 | 2 | 4 | 64}) {
        ASSERT_NE(Open(flags), nullptr);
        ExpectColours(false, "flags " + std::to_string(flags));
        lister_->ClosePlugin();
    }
}

TEST_F(DarkModeTest, NewParams_SwitchesBothWaysLiveInTheSameWindows) {
    ASSERT_NE(Open(0), nullptr);
    const HWND list = ListOf(viewer_);
    const HWND grid = GridOf(viewer_);
    const auto cells = GridCells(grid);
    struct Step {
        int flags;
        bool dark;
    };
    const Step steps[] = {
        {kDarkMode, true},
        {0, false},
        {kDarkMode | kDarkModeNative, true},
        {kDarkMode | 4, true},
        {kDarkModeNative, false},
        {kDarkMode, true},
        {4, false},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(Plugin().SendCommand(viewer_, kNewParams, step.flags), 0) << "flags " << step.flags;
        ExpectColours(step.dark, "after lc_newparams " + std::to_string(step.flags));
        // Nothing was opened again: the same windows show the same table.
        EXPECT_EQ(ListOf(viewer_), list);
        EXPECT_EQ(GridOf(viewer_), grid);
        EXPECT_EQ(ListSelection(list), 0);
        EXPECT_EQ(GridCells(grid), cells);
        EXPECT_EQ(GetFocus(), list);
    }
}

TEST_F(DarkModeTest, ListLoadNext_TakesTheShowFlagsThatComeWithTheNextFile) {
    ASSERT_NE(Open(0), nullptr);
    for (const int flags : {kDarkMode, 0, kDarkMode}) {
        ASSERT_EQ(lister_->LoadNext(WindowsSamplePath("1Cv7.DD"), flags), 0);
        ExpectColours(flags != 0, "after ListLoadNext with " + std::to_string(flags));
    }
}

// While the grid is the form's active control its current cell is drawn plain (with a focus
// rectangle) and the rest of the selection highlighted; otherwise the whole selection is highlighted.
TEST_F(DarkModeTest, TheActiveGridDrawsItsCurrentCellPlainAndTheRestOfTheSelectionHighlighted) {
    for (const bool dark : {false, true}) {
        ASSERT_NE(Open(dark ? kDarkMode : 0), nullptr);
        const HWND grid = GridOf(viewer_);
        auto pointOf = [&](int column, int row) {
            const RECT cell = GridCellRect(grid, column, row);
            return MAKELPARAM(cell.left + 10, cell.top + 9);
        };
        SetFocus(grid);
        SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, pointOf(0, 1));
        SendMessageA(grid, WM_MOUSEMOVE, MK_LBUTTON, pointOf(2, 3));
        SendMessageA(grid, WM_LBUTTONUP, 0, pointOf(2, 3));
        struct Case {
            int column;
            int row;
            PaintRole active;
            PaintRole inactive;
        };
        const Case cases[] = {
            {2, 3, PaintRole::Background, PaintRole::Selection},  // the current cell
            {0, 1, PaintRole::Selection, PaintRole::Selection},   {1, 2, PaintRole::Selection, PaintRole::Selection},
            {3, 3, PaintRole::Background, PaintRole::Background},  // outside the selection
            {0, 0, PaintRole::Background, PaintRole::Background},
        };
        for (const bool active : {true, false}) {
            if (!active) SetFocus(ListOf(viewer_));
            const WindowPicture picture(grid);
            for (const Case& c : cases) {
                const POINT point = QuietPointOf(GridCellRect(grid, c.column, c.row));
                EXPECT_EQ(picture.AtClient(point.x, point.y), Expected(active ? c.active : c.inactive, dark))
                    << "cell " << c.column << "," << c.row << (active ? ", grid active" : ", list active")
                    << (dark ? ", dark" : ", light");
            }
            // The list keeps its selection highlighted while the grid has the focus.
            const WindowPicture list(ListOf(viewer_));
            EXPECT_EQ(list.AtClient(ClientWidth(ListOf(viewer_)) - 5, kListRow / 2),
                      Expected(PaintRole::Selection, dark));
        }
        lister_->ClosePlugin();
    }
}

}  // namespace
}  // namespace dd::test
