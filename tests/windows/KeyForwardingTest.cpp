// The keys that go back to the host or run the grid's commands: every row of the shared key table,
// seen as the messages that arrive at the Lister window and at the host's main window, and as what the
// clipboard, the grid's selection and the view (a dictionary or a base's table) hold afterwards, in the
// dictionary and in the data view. Whether a key is consumed shows nowhere outside the viewer; the native
// test checks that column.
#include "support/KeyForwardingTable.h"
#include "support/TestText.h"
#include "viewer/GridMessages.h"
#include "viewer/PopupMenu.h"
#include "windows/support/OutputTestSupport.h"
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

using host::ReceivedMessage;
using Posts = std::vector<ReceivedMessage>;
namespace table = key_table;

static_assert(table::kTab == VK_TAB && table::kEscape == VK_ESCAPE && table::kX == 'X' &&
              table::kNumpad1 == VK_NUMPAD1 && table::kF1 == VK_F1 && table::kF3 == VK_F3 && table::kF5 == VK_F5 &&
              table::kF7 == VK_F7 && table::kF10 == VK_F10 && table::kInsert == VK_INSERT &&
              table::FunctionKey(12) == VK_F12);

constexpr char kOwnText[] = "on the clipboard before the key";

enum class Focus { Viewer, List, Grid, TableGrid };

const table::ByLister& OutcomesFor(const table::KeyRow& row, Focus focus) {
    switch (focus) {
        case Focus::Viewer:
            return row.viewer;
        case Focus::List:
            return row.list;
        case Focus::Grid:
            return row.grid;
        case Focus::TableGrid:
            break;
    }
    return row.Table();
}

// Whether the viewer shows a base's table (the data view) rather than a dictionary.
bool ShowsTable(HWND viewer) { return !IsWindowVisible(ListOf(viewer)) && !TitleText(viewer).empty(); }

class KeyTest : public PluginTest {
protected:
    // The dictionary of the sample base, whose tables' rows Enter opens, or one of its tables, which Backspace
    // leaves for the dictionary.
    void Run(Focus focus) {
        const bool inTable = focus == Focus::TableGrid;
        const std::vector<table::KeyRow> rows = table::KeyForwardingRows();
        for (bool embedded : {false, true}) {
            auto [lister, viewer, list, grid] = OpenSample(inTable ? "base/SC167.DBF" : "base/1Cv7.DD", {embedded});
            ASSERT_NE(viewer, nullptr);
            ASSERT_EQ(ShowsTable(viewer), inTable);
            const HWND target = focus == Focus::Viewer ? viewer : focus == Focus::List ? list : grid;
            // What the list copies of its selected table: its description, TAB, its identifier trimmed.
            std::string tableText;
            if (!inTable) {
                std::string identifier = CellText(grid, 0, 1);
                identifier.erase(identifier.find_last_not_of(' ') + 1);
                identifier.erase(0, identifier.find_first_not_of(' '));
                tableText = ListTexts(list).at(static_cast<size_t>(ListSelection(list))) + "\t" + identifier;
            }
            for (const table::KeyRow& row : rows) {
                const table::ByLister& outcomes = OutcomesFor(row, focus);
                const table::KeyOutcome& expected = embedded ? outcomes.embedded : outcomes.topLevel;
                const std::string where = row.name + ", " + (embedded ? "embedded" : "top-level");
                // One cell selected, so that copying and selecting all show: the identifier of the field grid's row
                // 1, or the table's first cell.
                PressKey(grid, VK_HOME, {false, true});
                PressKey(grid, VK_HOME);
                if (inTable)
                    PressKey(grid, VK_RIGHT);
                else
                    PressKey(grid, VK_DOWN);
                const RECT oneCell = SelectionOf(grid);
                ASSERT_EQ(oneCell, inTable ? (RECT{1, 1, 1, 1}) : (RECT{0, 1, 0, 1}));
                const std::string cell = CellText(grid, oneCell.left, oneCell.top);
                const GridState before = ReadGrid(grid);
                PutOwnText(kOwnText);
                SetFocus(target);
                host::PumpMessages();
                lister->TakeKeys();
                MainWindow().TakeSystemCommands();
                const int topLevelWindows = CountTopLevelWindows();
                PressKey(target, row.key, {row.modifiers.shift, row.modifiers.ctrl, row.modifiers.alt});
                const Posts toLister = expected.toLister != 0 ? Posts{{WM_KEYDOWN, expected.toLister, 0}} : Posts{};
                const Posts toMainWindow = expected.closesHost ? Posts{{WM_SYSCOMMAND, SC_CLOSE, 0}} : Posts{};
                EXPECT_EQ(lister->TakeKeys(), toLister) << where << " " << row.key;
                EXPECT_EQ(MainWindow().TakeSystemCommands(), toMainWindow) << where;
                const std::string copied = expected.copies ? cell : expected.copiesTable ? tableText : kOwnText;
                EXPECT_EQ(ReadClipboard().text, copied) << where;
                // The about box shows nothing, nor does any other key.
                EXPECT_EQ(CountTopLevelWindows(), topLevelWindows) << row.name << ": a window was shown";
                EXPECT_TRUE(IsWindow(viewer)) << row.name;
                const bool switches = expected.opensData || expected.backToDictionary;
                EXPECT_EQ(ShowsTable(viewer), inTable != switches) << where;
                if (!switches) {
                    const RECT everyCell{oneCell.left, inTable ? 1 : 0, static_cast<int>(before.widths.size()) - 1,
                                         before.rowCount - 1};
                    EXPECT_EQ(SelectionOf(grid), expected.selectsAll ? everyCell : oneCell) << where;
                    continue;
                }
                // Back to where the row began: Backspace from the table, Enter on the table in the list.
                if (inTable) {
                    SetFocus(list);
                    PressKey(list, VK_RETURN);
                } else {
                    SetFocus(grid);
                    PressKey(grid, VK_BACK);
                }
                ASSERT_EQ(ShowsTable(viewer), inTable) << where << ": not back";
            }
            lister->ClosePlugin();
        }
    }

    static int CountTopLevelWindows() {
        int count = 0;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM counter) -> BOOL {
                if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(counter);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count;
    }
};

TEST_F(KeyTest, TheViewerWindowForwardsEscDigitsNAndPAndClosesTheHostOnAltX) { Run(Focus::Viewer); }

TEST_F(KeyTest, TheTableListForwardsWhatTheViewerWindowForwardsAndTheListersFunctionKeys) { Run(Focus::List); }

TEST_F(KeyTest, TheFieldGridForwardsTheSameKeysAndCopiesAndSelectsAll) { Run(Focus::Grid); }

TEST_F(KeyTest, TheGridOfABasesTableForwardsTheSameKeysAndGoesBackToTheDictionaryOnBackspace) { Run(Focus::TableGrid); }

// A key that the list passes on leaves its character behind in the queue (with a Russian layout N
// gives "т", P "з"); the list box must not take it as the first letter of an entry to select.
TEST_F(PluginTest, TheCharacterOfAKeyTheListPassesOnDoesNotMoveTheListsSelection) {
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    SetFocus(list);
    ASSERT_EQ(ListSelection(list), 0);
    constexpr WPARAM kLetterEs = 0x0421;  // "С", as the entries after the first begin
    PostMessageW(list, WM_KEYDOWN, 'N', 1);
    PostMessageW(list, WM_CHAR, kLetterEs, 1);
    host::PumpMessages();
    EXPECT_EQ(lister->TakeKeys(), (Posts{{WM_KEYDOWN, 'N', 0}}));
    EXPECT_EQ(ListSelection(list), 0);
    // The character alone is the list box's to take: it selects the next entry that starts with it.
    PostMessageW(list, WM_CHAR, kLetterEs, 1);
    host::PumpMessages();
    EXPECT_EQ(ListSelection(list), 1);
    lister->ClosePlugin();
}

// A Lister window with no "TTOTAL_CMD" window anywhere, as under another host: Alt+X has no main
// window to close. A post to window 0 would land in this thread's own queue instead.
TEST(AltXWithoutAMainWindow, PostsNothingClearsTheApplicationsMainWindowAndLeavesTheTeardownWhole) {
    ASSERT_EQ(FindWindowA("TTOTAL_CMD", nullptr), nullptr) << "another main window is open";
    host::PluginLibrary plugin(PluginPath());
    host::ListerWindowArgs args;
    args.plugin = &plugin;
    host::ListerWindow lister(args);
    const HWND viewer = lister.Load(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(viewer, nullptr);
    host::PumpMessages();
    MessageBoxCatcher boxes;
    // Before Alt+X the Lister window is the application's main window and owns what is copied.
    RunMenuCommand(viewer, N3);
    EXPECT_EQ(GetClipboardOwner(), lister.Handle());

    MessageWatch sentToLister(lister.Handle(), WM_SYSCOMMAND);
    // Straight to the viewer and nothing pumped afterwards, so that whatever it posts waits in the queue.
    SendMessageA(viewer, WM_SYSKEYDOWN, 'X', 1 | (LPARAM{1} << 29));
    MSG posted{};
    EXPECT_FALSE(PeekMessageA(&posted, nullptr, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE))
        << "WM_SYSCOMMAND " << posted.wParam << " posted to window " << posted.hwnd;
    EXPECT_EQ(sentToLister.Sent(), 0);
    EXPECT_TRUE(lister.TakeKeys().empty());
    ASSERT_TRUE(IsWindow(viewer));

    // No main window any more: the copy is placed on behalf of a private window.
    PutOwnText("before");
    RunMenuCommand(viewer, N3);
    EXPECT_EQ(ReadClipboard().text, Cp(u8"Идентификатор"));
    const HWND owner = GetClipboardOwner();
    EXPECT_NE(owner, lister.Handle());
    EXPECT_NE(owner, viewer);
    EXPECT_TRUE(IsWindow(viewer));

    lister.ClosePlugin();
    EXPECT_FALSE(IsWindow(viewer));
    EXPECT_TRUE(IsWindow(lister.Handle()));
    EXPECT_EQ(PluginWindowCount(), 0);
    EXPECT_TRUE(boxes.Take().empty());
}

}  // namespace
}  // namespace dd::test
