// The field grid in a window too narrow for its columns: the horizontal scroll bar and everything that
// must follow the columns' offset (keys, painting, clicks and drags, the wheel, the context menu).
#include <algorithm>
#include <string>

#include "viewer/GridMessages.h"
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

constexpr int kRowHeight = 18;
constexpr int kPitch = 19;

POINT menuSeenAt{};

// Notes where the context menu opened and closes it.
void CALLBACK ReadMenuPosition(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND popup = FindWindowA("#32768", nullptr);
    if (popup == nullptr) return;
    KillTimer(nullptr, timer);
    RECT bounds{};
    GetWindowRect(popup, &bounds);
    menuSeenAt = {bounds.left, bounds.top};
    EndMenu();
}

// A Quick View panel of 520 x 400 showing the sample's longest table.
class SidewaysTest : public PluginTest {
protected:
    void SetUp() override {
        opened_ = OpenSample("1Cv7.DD", {false, 520, 400});
        ASSERT_NE(viewer_, nullptr);
        ChooseTable(viewer_, BiggestTable(viewer_));
        ASSERT_NE(GetWindowLongA(grid_, GWL_STYLE) & WS_HSCROLL, 0);
    }
    int Offset() const { return ScrollBarOf(grid_, SB_HORZ).nPos; }
    std::vector<int> Widths() const { return ReadGrid(grid_).widths; }
    int ClientWidth() const {
        RECT client{};
        GetClientRect(grid_, &client);
        return client.right;
    }
    int MaxOffset() const { return GridColumnLeft(Widths(), 5, 0) - ClientWidth(); }
    // A column's left edge in the client area as the grid shows it now.
    int Left(int column) const { return GridColumnLeft(Widths(), column, Offset()); }
    std::pair<int, int> Current() const {
        const GridState state = ReadGrid(grid_);
        return {state.currentColumn, state.currentRow};
    }
    int TopRow() const { return static_cast<int>(SendMessageA(grid_, grid::kGetTopRow, 0, 0)); }
    // The x of every pixel column of the grid lines between the columns, in one pixel row of the cells
    // below any text, as the grid paints itself.
    std::vector<int> PaintedColumnLines(int rowInView) const {
        const ClientPicture picture(grid_);
        const int y = rowInView * kPitch + kRowHeight - 1;
        std::vector<int> lines;
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.At(x, y) == GetSysColor(COLOR_BTNFACE)) lines.push_back(x);
        }
        return lines;
    }
    // Where the lines must lie with the columns scrolled as the scroll bar says.
    std::vector<int> ExpectedColumnLines() const {
        std::vector<int> lines;
        for (int column = 1; column <= 5; ++column) {
            const int x = Left(column) - 1;
            if (x >= 0 && x < ClientWidth()) lines.push_back(x);
        }
        return lines;
    }

    OpenedViewer opened_;
    HWND& viewer_ = opened_.viewer;
    HWND& grid_ = opened_.grid;
};

TEST_F(SidewaysTest, TheScrollBarCoversTheColumnsAndItsRequestsMoveThem) {
    const SCROLLINFO bar = ScrollBarOf(grid_, SB_HORZ);
    EXPECT_EQ(bar.nMin, 0);
    EXPECT_EQ(bar.nMax + 1, GridColumnLeft(Widths(), 5, 0));
    EXPECT_EQ(static_cast<int>(bar.nPage), ClientWidth());
    EXPECT_EQ(Offset(), 0);
    const int page = ClientWidth();
    const int last = MaxOffset();
    ASSERT_GT(last, page + 2 * kPitch);
    struct Case {
        WORD request;
        int offset;
    };
    const Case cases[] = {
        {SB_LINERIGHT, kPitch},
        {SB_LINERIGHT, 2 * kPitch},
        {SB_PAGERIGHT, 2 * kPitch + page},
        {SB_RIGHT, last},
        {SB_LINERIGHT, last},
        {SB_PAGERIGHT, last},
        {SB_LINELEFT, last - kPitch},
        {SB_PAGELEFT, std::max(last - kPitch - page, 0)},
        {SB_LEFT, 0},
        {SB_LINELEFT, 0},
    };
    for (const Case& c : cases) {
        SendMessageA(grid_, WM_HSCROLL, c.request, 0);
        EXPECT_EQ(Offset(), c.offset) << "request " << c.request;
        EXPECT_EQ(PaintedColumnLines(2), ExpectedColumnLines()) << "request " << c.request;
    }
    EXPECT_EQ(Current(), std::make_pair(0, 0));  // scrolling leaves the current cell
}

TEST_F(SidewaysTest, TheThumbIsReadBackAsA32BitPositionWhenItIsReleased) {
    for (const int position : {123, MaxOffset(), 7}) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_POS;
        info.nPos = position;
        SetScrollInfo(grid_, SB_HORZ, &info, FALSE);  // where the user left the thumb
        SendMessageA(grid_, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position & 0xFFFF), 0);
        EXPECT_EQ(PaintedColumnLines(1), ExpectedColumnLines()) << position;
    }
}

TEST_F(SidewaysTest, TheWheelWithShiftAndTheHorizontalWheelTurnTheColumns) {
    struct Case {
        UINT message;
        WORD keys;
        short delta;
        int offset;
        int topRow;
    };
    const Case cases[] = {
        {WM_MOUSEWHEEL, MK_SHIFT, -WHEEL_DELTA, 3 * kPitch, 0},  // towards the user: right
        {WM_MOUSEWHEEL, MK_SHIFT, -2 * WHEEL_DELTA, 9 * kPitch, 0},
        {WM_MOUSEWHEEL, MK_SHIFT, WHEEL_DELTA, 6 * kPitch, 0},
        {WM_MOUSEHWHEEL, 0, WHEEL_DELTA, 9 * kPitch, 0},  // a tilt to the right
        {WM_MOUSEHWHEEL, 0, -4 * WHEEL_DELTA, 0, 0},
        {WM_MOUSEWHEEL, 0, -WHEEL_DELTA, 0, 3},  // without Shift the rows turn
    };
    for (const Case& c : cases) {
        SendMessageA(grid_, c.message, MAKEWPARAM(c.keys, static_cast<WORD>(c.delta)), 0);
        EXPECT_EQ(Offset(), c.offset) << c.message << " " << c.delta;
        EXPECT_EQ(TopRow(), c.topRow) << c.message << " " << c.delta;
    }
}

TEST_F(SidewaysTest, TheArrowKeysKeepTheCurrentCellInView) {
    SetFocus(grid_);
    const WORD keys[] = {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_LEFT,
                         VK_LEFT,  VK_HOME,  VK_END,   VK_LEFT,  VK_LEFT,  VK_LEFT, VK_LEFT};
    int step = 0;
    for (const WORD key : keys) {
        PressKey(grid_, key);
        const int column = Current().first;
        const int left = Left(column);
        const int right = left + Widths()[static_cast<size_t>(column)];
        const std::string where = "step " + std::to_string(step++) + ", column " + std::to_string(column);
        EXPECT_GE(left, 0) << where;
        // A column wider than the client area shows its left part.
        EXPECT_TRUE(right <= ClientWidth() || left == 0) << where << ": " << left << ".." << right;
    }
    EXPECT_EQ(Current(), std::make_pair(0, 1));
    EXPECT_EQ(Offset(), 0);
}

TEST_F(SidewaysTest, ClicksAndDragsHitTheCellsWhereTheyArePainted) {
    SendMessageA(grid_, WM_HSCROLL, SB_RIGHT, 0);
    const auto point = [&](int column, int rowInView) { return MAKELPARAM(Left(column) + 5, rowInView * kPitch + 9); };
    SendMessageA(grid_, WM_LBUTTONDOWN, MK_LBUTTON, point(4, 2));
    SendMessageA(grid_, WM_LBUTTONUP, 0, point(4, 2));
    EXPECT_EQ(Current(), std::make_pair(4, 2));

    SendMessageA(grid_, WM_LBUTTONDOWN, MK_LBUTTON, point(3, 1));
    SendMessageA(grid_, WM_MOUSEMOVE, MK_LBUTTON, point(4, 3));
    SendMessageA(grid_, WM_LBUTTONUP, 0, point(4, 3));
    RECT range{};
    SendMessageA(grid_, grid::kGetSelection, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range, (RECT{3, 1, 4, 3}));
    host::PumpMessages();
}

TEST_F(SidewaysTest, TheContextMenuFromTheKeyboardOpensBelowTheCurrentCellWhereItIsShown) {
    SetFocus(grid_);
    PressKey(grid_, VK_END);  // column 4, scrolled into view
    ASSERT_GT(Offset(), 0);
    POINT expected{Left(4), kRowHeight};
    ClientToScreen(grid_, &expected);
    menuSeenAt = {};
    SetTimer(nullptr, 0, 20, ReadMenuPosition);
    SendMessageA(grid_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid_), MAKELPARAM(-1, -1));
    host::PumpMessages();
    EXPECT_EQ(menuSeenAt.x, expected.x);
    EXPECT_EQ(menuSeenAt.y, expected.y);
}

TEST_F(SidewaysTest, AWindowWideEnoughAgainHidesTheBarAndShowsTheColumnsFromTheirStart) {
    SendMessageA(grid_, WM_HSCROLL, SB_RIGHT, 0);
    Resize(viewer_, 1032, 600);
    EXPECT_EQ(GetWindowLongA(grid_, GWL_STYLE) & WS_HSCROLL, 0);
    EXPECT_EQ(Widths(), (std::vector<int>{200, 300, 100, 100, 100}));
    EXPECT_EQ(PaintedColumnLines(1), (std::vector<int>{200, 501, 602, 703}));
    Resize(viewer_, 520, 400);
    EXPECT_NE(GetWindowLongA(grid_, GWL_STYLE) & WS_HSCROLL, 0);
    EXPECT_EQ(Offset(), 0);
}

}  // namespace
}  // namespace dd::test
