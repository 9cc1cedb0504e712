// The focus between the table list and the field grid: Tab and Shift+Tab as in any dialog, and the
// grid's current cell drawn as the active control's only while the grid has the focus.
#include <functional>

#include "viewer/GridMessages.h"
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

constexpr int kPitch = 19;
constexpr int kRowHeight = 18;

TEST_F(PluginTest, TabAndShiftTabMoveTheFocusBetweenTheListAndTheGrid) {
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    ChooseTable(viewer, 3);
    host::PumpMessages();
    ASSERT_EQ(GetFocus(), list);  // as opened
    struct Case {
        const char* what;
        Modifiers modifiers;
        HWND focused;
    };
    const Case cases[] = {
        {"Tab from the list", {}, grid},
        {"Shift+Tab from the grid", {true}, list},
        {"Shift+Tab from the list", {true}, grid},
        {"Tab from the grid", {}, list},
        {"Ctrl+Tab from the list", {false, true}, list},
        {"Tab again", {}, grid},
        {"Ctrl+Tab from the grid", {false, true}, grid},
    };
    lister->TakeKeys();
    for (const Case& c : cases) {
        PressKey(GetFocus(), VK_TAB, c.modifiers);
        EXPECT_EQ(GetFocus(), c.focused) << c.what;
    }
    // Nothing else moved, and nothing went to the Lister.
    EXPECT_EQ(ListSelection(list), 3);
    EXPECT_EQ(ReadGrid(grid).currentRow, 0);
    EXPECT_EQ(ReadGrid(grid).currentColumn, 0);
    EXPECT_TRUE(lister->TakeKeys().empty());
}

// The Lister gives the viewer window the focus after loading (ListLoad posts WM_SETFOCUS to a top-level
// Lister's viewer) and whenever its window is activated: the viewer hands it on to the control that had
// it last, the list after loading, so that the keys work at once.
TEST_F(PluginTest, TheFocusGivenToTheViewerWindowGoesOnToTheControlThatHadItLast) {
    for (const bool embedded : {false, true}) {
        auto [lister, viewer, list, grid] = OpenSample("1Cv7.DD", {embedded});
        ASSERT_NE(viewer, nullptr);
        host::PumpMessages();
        ASSERT_EQ(GetFocus(), list);
        const auto elsewhere = [&, lister = lister->Handle()] {
            SetFocus(lister);
            ASSERT_EQ(GetFocus(), lister);
        };
        const auto focusViewer = [&] { SetFocus(viewer); };
        const auto postFocus = [&] {
            PostMessageW(viewer, WM_SETFOCUS, 0, 0);
            host::PumpMessages();
        };
        struct Case {
            const char* what;
            std::function<void()> before;
            std::function<void()> give;
            HWND focused;
        };
        const Case cases[] = {
            {"SetFocus after loading", [] {}, focusViewer, list},
            {"SetFocus after Tab to the grid", [&] { PressKey(list, VK_TAB); }, focusViewer, grid},
            {"the focus posted, the grid had it", [] {}, postFocus, grid},
            {"SetFocus after Tab back to the list", [&] { PressKey(grid, VK_TAB); }, focusViewer, list},
            {"SetFocus after a click in the grid",
             [&] {
                 SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 30));
                 SendMessageA(grid, WM_LBUTTONUP, 0, MAKELPARAM(250, 30));
             },
             focusViewer, grid},
        };
        for (const Case& c : cases) {
            c.before();
            elsewhere();
            c.give();
            EXPECT_EQ(GetFocus(), c.focused) << c.what << (embedded ? ", embedded" : ", top-level");
        }
        // The keys work at once: the grid's arrows move its current cell.
        const int row = ReadGrid(grid).currentRow;
        PressKey(GetFocus(), VK_DOWN);
        EXPECT_EQ(ReadGrid(grid).currentRow, row + 1);
        lister->ClosePlugin();
    }
}

// The Lister window activated again after another window was (Alt+Tab, a dialog of its own, a click on
// its title): the stand-in gives the viewer window the focus as the Lister does, and it lands in the
// control that had it.
TEST_F(PluginTest, AfterTheListerWindowIsActivatedAgainTheControlThatHadTheFocusHasIt) {
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    host::PumpMessages();
    for (const HWND control : {grid, list}) {
        SetFocus(control);
        auto other = MakeLister();  // a new top-level window takes the activation
        SetActiveWindow(other->Handle());
        host::PumpMessages();
        ASSERT_NE(GetFocus(), control);
        SetActiveWindow(lister->Handle());
        host::PumpMessages();
        EXPECT_EQ(GetFocus(), control);
    }
}

TEST_F(PluginTest, TheGridDrawsItsCurrentCellAsTheActiveControlOnlyWhileItHasTheFocus) {
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    ChooseTable(viewer, 3);
    PressKey(list, VK_TAB);
    ASSERT_EQ(GetFocus(), grid);
    PressKey(grid, VK_DOWN, {true});  // cells (0, 0) and (0, 1) selected, (0, 1) current
    RECT range{};
    SendMessageA(grid, grid::kGetSelection, 0, reinterpret_cast<LPARAM>(&range));
    ASSERT_EQ(range, (RECT{0, 0, 0, 1}));

    const COLORREF normal = GetSysColor(COLOR_WINDOW);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    // A pixel of each cell right of any text, and the current cell's top edge, where the focus
    // rectangle's dots lie.
    const auto inside = [](int row) { return POINT{150, row * kPitch + kRowHeight / 2}; };
    const auto focusDots = [&](const ClientPicture& picture, COLORREF background) {
        int dots = 0;
        for (int x = 0; x < 200; ++x) dots += picture.At(x, kPitch) != background ? 1 : 0;
        return dots;
    };
    struct Case {
        const char* what;
        HWND pressedIn;
        HWND focused;
        COLORREF current;
        COLORREF otherSelected;
        bool focusRectangle;
    };
    const Case cases[] = {
        {"the grid active", nullptr, grid, normal, highlight, true},
        {"Tab to the list", grid, list, highlight, highlight, false},
        {"Tab back to the grid", list, grid, normal, highlight, true},
    };
    for (const Case& c : cases) {
        if (c.pressedIn != nullptr) PressKey(c.pressedIn, VK_TAB);
        ASSERT_EQ(GetFocus(), c.focused) << c.what;
        const ClientPicture picture(grid);
        EXPECT_EQ(picture.At(inside(1).x, inside(1).y), c.current) << c.what;
        EXPECT_EQ(picture.At(inside(0).x, inside(0).y), c.otherSelected) << c.what;
        EXPECT_EQ(focusDots(picture, c.current) > 0, c.focusRectangle) << c.what;
    }
}

}  // namespace
}  // namespace dd::test
