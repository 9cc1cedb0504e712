// The Lister's own commands for the viewer, as the host sends them: copy and select all through
// ListSendCommand (and the grid's Ctrl+C, Ctrl+Insert and Ctrl+A), print through ListPrint, and the
// defaults of ListSetDefaultParams.
#include <windows.h>

#include <winspool.h>

#include <algorithm>
#include <functional>

#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewer/GridMessages.h"
#include "viewer/PopupMenu.h"
#include "windows/host/PluginCommands.h"
#include "windows/support/OutputTestSupport.h"

namespace dd::test {
namespace {

RECT SelectionOf(HWND grid) {
    RECT range{};
    SendMessageA(grid, grid::kGetSelection, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

int TopRowOf(HWND grid) { return static_cast<int>(SendMessageA(grid, grid::kGetTopRow, 0, 0)); }

// Makes a cell current with the grid's keys: Ctrl+Home and Home to the first cell, then down and right.
void MoveTo(HWND grid, int column, int row) {
    PressKey(grid, VK_HOME, {false, true});
    PressKey(grid, VK_HOME);
    for (int i = 0; i < row; ++i) PressKey(grid, VK_DOWN);
    for (int i = 0; i < column; ++i) PressKey(grid, VK_RIGHT);
}

class CommandsTest : public PluginTest {
protected:
    HWND Open(const std::string& path) {
        lister_ = MakeLister(false, 1032, 600);
        viewer_ = lister_->Load(path);
        EXPECT_NE(viewer_, nullptr) << path;
        commands_ = std::make_unique<host::PluginCommands>(Plugin());
        return viewer_;
    }
    int SendCommand(int command, int parameter = 0) const { return Plugin().SendCommand(viewer_, command, parameter); }

    std::unique_ptr<host::ListerWindow> lister_;
    HWND viewer_ = nullptr;
    std::unique_ptr<host::PluginCommands> commands_;
};

TEST_F(CommandsTest, SelectAllThenCopyGiveTheWholeTableAsLinesWithoutScrolling) {
    std::vector<std::string> paths = {WindowsSamplePath("1Cv7.DD"), WindowsSamplePath("1Cv7.DDS")};
    if (RealDictionariesPresent()) {
        for (const char* name : {"artamir__tks__1Cv7.DD", "nasta-sap__cats__1Cv7.DD"})
            paths.push_back(RealDictionaryPath(name));
    }
    DialogDriver dialogs;
    for (const std::string& path : paths) {
        ASSERT_NE(Open(path), nullptr);
        const HWND grid = GridOf(viewer_);
        const int tables = static_cast<int>(SendMessageA(ListOf(viewer_), LB_GETCOUNT, 0, 0));
        for (int table : {0, tables / 2, tables - 1}) {
            const std::string where = path + " table " + std::to_string(table);
            ChooseTable(viewer_, table);
            SendMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0);
            const int topRow = TopRowOf(grid);
            const ReferenceTable reference = ReadReferenceTable(path, table);
            const int rows = static_cast<int>(reference.rows.size());
            ASSERT_EQ(SendCommand(host::kSelectAllCommand), host::kPluginOk) << where;
            EXPECT_EQ(SelectionOf(grid), (RECT{0, 0, 4, rows - 1})) << where;
            EXPECT_EQ(TopRowOf(grid), topRow) << where << ": select all scrolled";
            PutOwnText("before");
            ASSERT_EQ(SendCommand(host::kCopyCommand), host::kPluginOk) << where;
            const std::string expected = BuiltCopiedRange(reference, {0, 0, 4, rows - 1});
            const ClipboardContent copied = ReadClipboard();
            EXPECT_EQ(copied.text, expected) << where;
            EXPECT_EQ(copied.unicode, Utf16FromCp1251(expected)) << where;
            // As the menu's commands place them; formats that Windows makes up from these follow.
            const std::vector<UINT> placed(copied.formats.begin(),
                                           copied.formats.begin() + std::min<size_t>(copied.formats.size(), 3));
            EXPECT_EQ(placed, (std::vector<UINT>{CF_TEXT, CF_UNICODETEXT, CF_LOCALE})) << where;
        }
        lister_->ClosePlugin();
    }
    EXPECT_TRUE(dialogs.TakeBoxes().empty());
}

// Copy takes a range of several cells as lines, and one cell as "Копировать ячейку" copies it; the
// grid's keys copy and select as the Lister's commands do.
TEST_F(CommandsTest, CopyTakesTheRangeSelectedOrElseTheCurrentCellByKeyAndByCommand) {
    const std::string path = WindowsSamplePath("1Cv7.DDS");
    ASSERT_NE(Open(path), nullptr);
    const HWND grid = GridOf(viewer_);
    ChooseTable(viewer_, 1);
    const ReferenceTable reference = ReadReferenceTable(path, 1);
    const int rows = static_cast<int>(reference.rows.size());
    SetFocus(grid);
    struct Case {
        const char* name;
        int column;
        int row;
        int extendRight;
        int extendDown;
        std::function<void()> copy;
    };
    auto byCommand = [&] { EXPECT_EQ(SendCommand(host::kCopyCommand), host::kPluginOk); };
    auto byCtrlC = [&] { PressKey(grid, 'C', {false, true}); };
    auto byCtrlInsert = [&] { PressKey(grid, VK_INSERT, {false, true}); };
    const Case cases[] = {
        {"one cell, by command", 1, 2, 0, 0, byCommand},       {"one cell, by Ctrl+C", 3, 4, 0, 0, byCtrlC},
        {"a range, by command", 0, 1, 2, 3, byCommand},        {"a range, by Ctrl+C", 1, 3, 3, 1, byCtrlC},
        {"a range, by Ctrl+Insert", 2, 2, 1, 2, byCtrlInsert},
    };
    DialogDriver dialogs;
    for (const Case& c : cases) {
        MoveTo(grid, c.column, c.row);
        for (int i = 0; i < c.extendRight; ++i) PressKey(grid, VK_RIGHT, {true});
        for (int i = 0; i < c.extendDown; ++i) PressKey(grid, VK_DOWN, {true});
        const GridRange range{c.column, c.row, c.column + c.extendRight, c.row + c.extendDown};
        ASSERT_EQ(SelectionOf(grid), (RECT{range.left, range.top, range.right, range.bottom})) << c.name;
        PutOwnText("before");
        c.copy();
        const std::string expected = range.left == range.right && range.top == range.bottom
                                         ? reference.rows[c.row][c.column]
                                         : BuiltCopiedRange(reference, range);
        EXPECT_EQ(ReadClipboard().text, expected) << c.name;
        if (range.left == range.right && range.top == range.bottom) {  // as the menu's "Копировать ячейку"
            PutOwnText("before");
            RunMenuCommand(viewer_, N3);
            EXPECT_EQ(ReadClipboard().text, expected) << c.name;
        }
    }
    // Ctrl+A in the grid, as select all.
    PressKey(grid, 'A', {false, true});
    EXPECT_EQ(SelectionOf(grid), (RECT{0, 0, 4, rows - 1}));
    PressKey(grid, 'C', {false, true});
    EXPECT_EQ(ReadClipboard().text, BuiltCopiedRange(reference, {0, 0, 4, rows - 1}));
    EXPECT_TRUE(dialogs.TakeBoxes().empty());
}

TEST_F(CommandsTest, CopyWhileAnotherProgramHoldsTheClipboardShowsTheMenusBoxAndAnswersError) {
    ASSERT_NE(Open(WindowsSamplePath("1Cv7.DD")), nullptr);
    PutOwnText("kept");
    DialogDriver dialogs;
    {
        const ClipboardHolder holder;
        EXPECT_EQ(SendCommand(host::kCopyCommand), host::kPluginError);
        PressKey(GridOf(viewer_), 'C', {false, true});
        RunMenuCommand(viewer_, N3);
    }
    const auto boxes = dialogs.TakeBoxes();
    ASSERT_EQ(boxes.size(), 3u) << "the command, the key and the menu";
    for (const CaughtBox& box : boxes) {
        EXPECT_EQ(box.text, "Plugin Error:\rCannot open clipboard");
        EXPECT_EQ(box.caption, "Message");
        EXPECT_EQ(box.owner, lister_->Handle());
    }
    EXPECT_EQ(ReadClipboard().text, "kept");
    EXPECT_TRUE(IsWindow(viewer_));
    EXPECT_EQ(SendCommand(host::kCopyCommand), host::kPluginOk);  // once it is free again
    EXPECT_EQ(ReadClipboard().text, Cp(u8"Идентификатор"));
}

TEST_F(CommandsTest, CommandsTheViewerDoesNotHaveAndWindowsThatAreNoViewerAnswerError) {
    ASSERT_NE(Open(WindowsSamplePath("1Cv7.DD")), nullptr);
    DialogDriver dialogs;
    const RECT before = SelectionOf(GridOf(viewer_));
    EXPECT_EQ(SendCommand(host::kSetPercentCommand, 50), host::kPluginError);
    EXPECT_EQ(SendCommand(0), host::kPluginError);
    EXPECT_EQ(SendCommand(77), host::kPluginError);
    EXPECT_EQ(SendCommand(host::kNewParamsCommand, 0), host::kPluginOk);
    EXPECT_EQ(Plugin().SendCommand(lister_->Handle(), host::kSelectAllCommand, 0), host::kPluginError);
    EXPECT_EQ(Plugin().SendCommand(nullptr, host::kCopyCommand, 0), host::kPluginError);
    EXPECT_EQ(commands_->SearchTextW(lister_->Handle(), L"SP74", host::kFindFirst), host::kPluginError);
    EXPECT_EQ(SelectionOf(GridOf(viewer_)), before);
    EXPECT_TRUE(dialogs.TakeBoxes().empty());
}

TEST_F(CommandsTest, PrintingFromTheListersMenuWithNoPrinterSaysSoAndAnswersError) {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    if (size != 0) GTEST_SKIP() << "this system has a default printer";
    const std::string path = WindowsSamplePath("1Cv7.DD");
    ASSERT_NE(Open(path), nullptr);
    DialogDriver dialogs;
    const int windows = ThreadWindowCount();
    std::wstring widePath(path.begin(), path.end());
    EXPECT_EQ(commands_->Print(viewer_, path, ""), host::kPluginError);
    EXPECT_EQ(commands_->PrintW(viewer_, widePath, L""), host::kPluginError);
    EXPECT_EQ(commands_->PrintW(viewer_, widePath, L"A printer that is not there"), host::kPluginError);
    const auto boxes = dialogs.TakeBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    for (const CaughtBox& box : boxes) {
        EXPECT_EQ(box.text, "Plugin Error:\rThere is no default printer currently selected");
        EXPECT_EQ(box.owner, lister_->Handle());
    }
    EXPECT_EQ(ThreadWindowCount(), windows) << "a dialog was left behind";
    EXPECT_TRUE(lister_->TakeKeys().empty());
    // The menu's "Печать" says the same, straight away.
    RunMenuCommand(viewer_, N4);
    ASSERT_EQ(dialogs.TakeBoxes().size(), 1u);
    EXPECT_EQ(SendCommand(host::kCopyCommand), host::kPluginOk);  // the viewer goes on working
}

TEST_F(CommandsTest, TheDefaultParamsAreTakenAndNothingIsWritten) {
    const std::string folder = FreshFolder();
    host::DefaultParams params{sizeof(host::DefaultParams), 0, 2, {}};
    const std::string ini = folder + "lsplugin.ini";
    ini.copy(params.DefaultIniName, sizeof params.DefaultIniName - 1);
    ASSERT_NE(Open(WindowsSamplePath("1Cv7.DD")), nullptr);
    commands_->SetDefaultParams(params);
    lister_->ClosePlugin();
    ASSERT_NE(Open(WindowsSamplePath("1Cv7.DDS")), nullptr);
    lister_->ClosePlugin();
    EXPECT_TRUE(FolderNames(folder).empty());
    RemoveFolder(folder);
}

}  // namespace
}  // namespace dd::test
