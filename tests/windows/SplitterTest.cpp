// The splitter between the table list and the field grid: the zone over their touching borders where
// the mouse goes through to the viewer window, the cursor there, the drag and the double click.
#include <string>

#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

class SplitterTest : public PluginTest {
protected:
    void SetUp() override {
        opened_ = OpenSample();
        ASSERT_NE(viewer_, nullptr);
        host::PumpMessages();
    }
    POINT OnScreen(int x, int y) const {
        POINT point{x, y};
        ClientToScreen(viewer_, &point);
        return point;
    }
    void Mouse(UINT message, int x, WPARAM keys = 0, int y = 300) const {
        SendMessageA(viewer_, message, keys, MAKELPARAM(x, y));
    }
    // The list's width as placed, and the grid beside it to the window's right margin.
    void ExpectListWidth(int width, const std::string& where) const {
        RECT client{};
        GetClientRect(viewer_, &client);
        EXPECT_EQ(WindowBounds(list_), (RECT{1, 1, 1 + width, client.bottom - 1})) << where;
        EXPECT_EQ(WindowBounds(grid_), (RECT{1 + width, 1, client.right - 1, client.bottom - 1})) << where;
        EXPECT_EQ(ReadGrid(grid_).widths, FittedWidths(grid_, client.right - 2 - width)) << where;
    }

    OpenedViewer opened_;
    std::unique_ptr<host::ListerWindow>& lister_ = opened_.lister;
    HWND& viewer_ = opened_.viewer;
    HWND& list_ = opened_.list;
    HWND& grid_ = opened_.grid;
};

TEST_F(SplitterTest, TheListAndTheGridLetTheMouseThroughOverTheirTouchingBordersOnly) {
    struct Case {
        int x;
        HWND control;
        bool through;
    };
    // The list ends at x 230 and the grid begins at 231: the zone is two pixels of each.
    const Case cases[] = {
        {200, list_, false}, {228, list_, false}, {229, list_, true},  {230, list_, true},
        {231, grid_, true},  {232, grid_, true},  {233, grid_, false}, {600, grid_, false},
    };
    for (const Case& c : cases) {
        const POINT screen = OnScreen(c.x, 300);
        const LRESULT hit = SendMessageA(c.control, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        EXPECT_EQ(hit == HTTRANSPARENT, c.through) << "x " << c.x;
        EXPECT_EQ(WindowFromPoint(screen), c.through ? viewer_ : c.control) << "x " << c.x;
    }
}

TEST_F(SplitterTest, TheCursorShowsTheSplitterOverItsZone) {
    const HCURSOR splitter = LoadCursor(nullptr, IDC_SIZEWE);
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    struct Case {
        int x;
        HCURSOR cursor;
    };
    // x 0 is the window's own margin left of the list.
    for (const Case& c : {Case{230, splitter}, Case{0, arrow}, Case{232, splitter}, Case{0, arrow}}) {
        const POINT screen = OnScreen(c.x, 300);
        SetCursorPos(screen.x, screen.y);
        SendMessageA(viewer_, WM_SETCURSOR, reinterpret_cast<WPARAM>(viewer_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), c.cursor) << "x " << c.x;
    }
}

TEST_F(SplitterTest, ADragMovesTheBoundaryWithinTheMinimumsAndTheColumnsFollowTheGrid) {
    ExpectListWidth(230, "as opened");
    Mouse(WM_LBUTTONDOWN, 230, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), viewer_);
    struct Case {
        int x;
        int listWidth;
    };
    const Case cases[] = {
        {330, 330},
        {-500, 60},   // the list keeps its 60 pixels
        {5000, 910},  // the grid keeps its 120
        {130, 130},
    };
    for (const Case& c : cases) {
        Mouse(WM_MOUSEMOVE, c.x, MK_LBUTTON);
        ExpectListWidth(c.listWidth, "dragged to " + std::to_string(c.x));
    }
    Mouse(WM_LBUTTONUP, 130);
    EXPECT_EQ(GetCapture(), nullptr);
    Mouse(WM_MOUSEMOVE, 500);  // the drag has ended
    ExpectListWidth(130, "after the drag");

    // The place lasts: a resize keeps it, the grid follows the window.
    Resize(viewer_, 1132, 550);
    ExpectListWidth(130, "after a resize");

    // A double click on the zone, now at the list's new right border, puts it back.
    Mouse(WM_LBUTTONDBLCLK, 131, MK_LBUTTON);
    ExpectListWidth(230, "after a double click");
}

TEST_F(SplitterTest, APressOffTheZoneDragsNothing) {
    Mouse(WM_LBUTTONDOWN, 0, MK_LBUTTON);  // the window's margin
    EXPECT_EQ(GetCapture(), nullptr);
    Mouse(WM_MOUSEMOVE, 400, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 400);
    Mouse(WM_LBUTTONDBLCLK, 400, MK_LBUTTON);
    ExpectListWidth(230, "as opened");
}

TEST_F(SplitterTest, LosingTheCaptureEndsTheDrag) {
    Mouse(WM_LBUTTONDOWN, 231, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 300, MK_LBUTTON);
    ReleaseCapture();  // another window took the mouse
    Mouse(WM_MOUSEMOVE, 500, MK_LBUTTON);
    ExpectListWidth(299, "after the capture went");
}

TEST_F(SplitterTest, TheDraggedPlaceFollowsAChangeOfResolution) {
    Mouse(WM_LBUTTONDOWN, 230, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 300, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 300);
    RECT client{};
    GetClientRect(viewer_, &client);
    SendMessageA(viewer_, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&client));
    EXPECT_EQ(WindowBounds(list_), (RECT{2, 2, 2 + 600, client.bottom - 2}));
    SendMessageA(viewer_, WM_DPICHANGED_AFTERPARENT, 0, 0);  // the screen's own resolution again
    ExpectListWidth(300, "back at the screen's resolution");
}

}  // namespace
}  // namespace dd::test
