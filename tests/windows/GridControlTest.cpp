// The field grid as the user works it: the current cell after loading and choosing tables, mouse
// clicks and drags, the navigation keys, scrolling, the right click and its context menu.
#include "support/TestText.h"
#include "viewer/GridMessages.h"
#include "windows/support/OutputTestSupport.h"
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

constexpr int kPitch = 19;  // an 18-pixel row and its grid line

// The client point in the middle of a cell of the grid as laid out at 1032 pixels.
LPARAM CellPoint(int column, int rowInView) {
    const int lefts[] = {0, 201, 502, 603, 704};
    return MAKELPARAM(lefts[column] + 10, rowInView * kPitch + 9);
}

class GridTest : public PluginTest {
protected:
    void SetUp() override {
        opened_ = OpenSample();
        ASSERT_NE(viewer_, nullptr);
    }
    GridState State() const { return ReadGrid(grid_); }
    std::pair<int, int> Current() const { return {State().currentColumn, State().currentRow}; }
    RECT Selection() const {
        RECT range{};
        SendMessageA(grid_, grid::kGetSelection, 0, reinterpret_cast<LPARAM>(&range));
        return range;
    }
    void Click(UINT down, UINT up, LPARAM point, WPARAM flags = 0) {
        SendMessageA(grid_, down, flags | (down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON), point);
        SendMessageA(grid_, up, flags, point);
        host::PumpMessages();
    }

    OpenedViewer opened_;
    std::unique_ptr<host::ListerWindow>& lister_ = opened_.lister;
    HWND& viewer_ = opened_.viewer;
    HWND& list_ = opened_.list;
    HWND& grid_ = opened_.grid;
};

TEST_F(GridTest, AfterLoadingTheCurrentCellIsTheFirstCaptionInAnOrdinaryRow0) {
    EXPECT_EQ(State().fixedRows, 0);
    EXPECT_EQ(Current(), std::make_pair(0, 0));
    EXPECT_EQ(CellText(grid_, 0, 0), Cp(u8"Идентификатор"));
    const std::u8string_view captions[] = {u8"Идентификатор", u8"Описание", u8"Тип", u8"Длина", u8"Точность"};
    for (int column = 0; column < 5; ++column) EXPECT_EQ(CellText(grid_, column, 0), Cp(captions[column]));
}

TEST_F(GridTest, ALeftClickMakesACellCurrentAndANewTableBringsItToRow0InTheSameColumn) {
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, CellPoint(2, 2));
    EXPECT_EQ(Current(), std::make_pair(2, 2));
    EXPECT_EQ(GetFocus(), grid_);
    SetFocus(list_);
    PressKey(list_, VK_DOWN);
    EXPECT_EQ(Current(), std::make_pair(2, 0));
    PressKey(list_, VK_DOWN);
    EXPECT_EQ(Current(), std::make_pair(2, 0));
}

TEST_F(GridTest, DraggingWithTheLeftButtonSelectsARange) {
    SendMessageA(grid_, WM_LBUTTONDOWN, MK_LBUTTON, CellPoint(0, 1));
    SendMessageA(grid_, WM_MOUSEMOVE, MK_LBUTTON, CellPoint(2, 3));
    SendMessageA(grid_, WM_LBUTTONUP, 0, CellPoint(2, 3));
    EXPECT_EQ(Current(), std::make_pair(2, 3));
    EXPECT_EQ(Selection(), (RECT{0, 1, 2, 3}));
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, CellPoint(1, 1));
    EXPECT_EQ(Selection(), (RECT{1, 1, 1, 1}));
}

TEST_F(GridTest, NavigationKeysMoveTheCurrentCellWithinTheGrid) {
    ChooseTable(viewer_, BiggestTable(viewer_));
    const int rows = State().rowCount;
    ASSERT_GE(rows, 40);
    SetFocus(grid_);
    const int page = (598 - 4 + 1) / kPitch;  // whole rows in the grid's client area
    struct Case {
        WORD key;
        Modifiers modifiers;
        std::pair<int, int> current;
    };
    const Case cases[] = {
        {VK_DOWN, {}, {0, 1}},
        {VK_RIGHT, {}, {1, 1}},
        {VK_RIGHT, {}, {2, 1}},
        {VK_LEFT, {}, {1, 1}},
        {VK_UP, {}, {1, 0}},
        {VK_UP, {}, {1, 0}},
        {VK_NEXT, {}, {1, page}},
        {VK_PRIOR, {}, {1, 0}},
        {VK_END, {}, {4, 0}},
        {VK_RIGHT, {}, {4, 0}},
        {VK_HOME, {}, {0, 0}},
        {VK_END, {false, true}, {0, rows - 1}},
        {VK_HOME, {false, true}, {0, 0}},
    };
    for (const Case& c : cases) {
        PressKey(grid_, c.key, c.modifiers);
        EXPECT_EQ(Current(), c.current) << "key " << c.key;
    }
    PressKey(grid_, VK_DOWN, {true});  // Shift extends the selection
    EXPECT_EQ(Selection(), (RECT{0, 0, 0, 1}));
}

TEST_F(GridTest, ScrollingShowsLaterRowsAndTakesTheCaptionRowOutOfView) {
    ChooseTable(viewer_, BiggestTable(viewer_));
    EXPECT_EQ(SendMessageA(grid_, grid::kGetTopRow, 0, 0), 0);
    SendMessageA(grid_, WM_VSCROLL, SB_PAGEDOWN, 0);
    const auto top = SendMessageA(grid_, grid::kGetTopRow, 0, 0);
    EXPECT_GT(top, 0);
    EXPECT_EQ(Current(), std::make_pair(0, 0));  // scrolling leaves the current cell
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    GetScrollInfo(grid_, SB_VERT, &info);
    EXPECT_EQ(info.nPos, top);
    SendMessageA(grid_, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(SendMessageA(grid_, grid::kGetTopRow, 0, 0), 0);
    SetFocus(grid_);
    PressKey(grid_, VK_END, {false, true});
    EXPECT_GT(SendMessageA(grid_, grid::kGetTopRow, 0, 0), 0);  // the current cell is kept in view
}

TEST_F(GridTest, ARightClickFocusesTheGridMakesTheCellClickedCurrentAndOpensTheMenu) {
    SetFocus(list_);
    const MenuSeen seen = ReadContextMenu([&] { Click(WM_RBUTTONDOWN, WM_RBUTTONUP, CellPoint(1, 2)); });
    EXPECT_EQ(Current(), std::make_pair(1, 2));
    EXPECT_EQ(Selection(), (RECT{1, 2, 1, 2}));
    EXPECT_EQ(GetFocus(), grid_);
    const std::vector<std::wstring> captions = {
        Wide(u8"Копировать ячейку"), Wide(u8"Копировать строку"), Wide(u8"Печать"),
        Wide(u8"Сохранить в файл"),  Wide(u8"Открыть данные"),    Wide(u8"Закрыть")};
    EXPECT_EQ(seen.captions, captions);
    ASSERT_EQ(seen.commands.size(), 6u);

    // The menu's last item, "Закрыть", posts Esc to the Lister window.
    lister_->TakeKeys();
    SendMessageA(viewer_, WM_COMMAND, seen.commands[5], 0);
    host::PumpMessages();
    EXPECT_EQ(lister_->TakeKeys(), (std::vector<host::ReceivedMessage>{{WM_KEYDOWN, VK_ESCAPE, 0}}));
    // The two copy commands post nothing either. Printing shows a box and saving a dialog, which
    // the suite of the outputs (tests/windows_outputs) answers; it checks that they post no key.
    for (size_t item = 0; item < 2; ++item) SendMessageA(viewer_, WM_COMMAND, seen.commands[item], 0);
    host::PumpMessages();
    EXPECT_TRUE(lister_->TakeKeys().empty());
}

// The menu works on what the right click leaves selected: a range of several cells clicked inside
// stays for the menu, a cell outside the range becomes the current cell and the selection. The menu
// key and Shift+F10 open the menu at the current cell and move nothing.
TEST_F(GridTest, ARightClickKeepsARangeClickedInsideAndSelectsACellOutsideIt) {
    struct Case {
        const char* name;
        UINT message;  // WM_RBUTTONDOWN (then up), or WM_CONTEXTMENU from the keyboard
        LPARAM point;
        RECT selection;  // afterwards
        std::pair<int, int> current;
    };
    const LPARAM onARowLine = MAKELPARAM(10, 2 * kPitch + 18);
    const Case cases[] = {
        {"inside the range", WM_RBUTTONDOWN, CellPoint(1, 2), {0, 1, 2, 3}, {2, 3}},
        {"on the range's first corner", WM_RBUTTONDOWN, CellPoint(0, 1), {0, 1, 2, 3}, {2, 3}},
        {"right of the range", WM_RBUTTONDOWN, CellPoint(3, 2), {3, 2, 3, 2}, {3, 2}},
        {"below the range", WM_RBUTTONDOWN, CellPoint(0, 4), {0, 4, 0, 4}, {0, 4}},
        {"on a grid line, where no cell is", WM_RBUTTONDOWN, onARowLine, {0, 1, 2, 3}, {2, 3}},
        {"the menu key", WM_CONTEXTMENU, MAKELPARAM(-1, -1), {0, 1, 2, 3}, {2, 3}},
    };
    ChooseTable(viewer_, BiggestTable(viewer_));
    DialogDriver dialogs;
    for (const Case& c : cases) {
        SendMessageA(grid_, WM_LBUTTONDOWN, MK_LBUTTON, CellPoint(0, 1));
        SendMessageA(grid_, WM_MOUSEMOVE, MK_LBUTTON, CellPoint(2, 3));
        SendMessageA(grid_, WM_LBUTTONUP, 0, CellPoint(2, 3));
        ASSERT_EQ(Selection(), (RECT{0, 1, 2, 3}));
        if (c.message == WM_CONTEXTMENU) {
            SendMessageA(grid_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid_), c.point);
            host::PumpMessages();
        } else {
            Click(WM_RBUTTONDOWN, WM_RBUTTONUP, c.point);
        }
        EXPECT_EQ(dialogs.TakeMenus(), 1) << c.name;
        EXPECT_EQ(Selection(), c.selection) << c.name;
        EXPECT_EQ(Current(), c.current) << c.name;
    }
    EXPECT_TRUE(dialogs.TakeBoxes().empty());
}

}  // namespace
}  // namespace dd::test
