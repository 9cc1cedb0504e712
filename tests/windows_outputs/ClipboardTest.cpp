// "Копировать ячейку" and "Копировать строку" as a user meets them: what another program pastes
// afterwards, in ANSI and in Unicode, and what happens while another program holds the clipboard.
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewer/GridMessages.h"
#include "viewer/PopupMenu.h"
#include "windows/support/OutputTestSupport.h"

namespace dd::test {
namespace {

// A DBF-edition dictionary of one table: its identifier keeps a blank at both ends, and its fields
// have an empty cell in column 1, a zero byte in a description, blanks around an identifier, an
// empty cell 4 and an empty cell 0.
std::string OddCellsDictionary() {
    static const char kZeroField[] = "F=ZERO|be\0fore|C|1|0\r\n";
    return "#==TABLE no 0\r\n#\r\nT=SC1|Odd|SC1| SC1.DBF |X\r\n#\r\n#\r\nF=EMPTY||C|1|0\r\n" +
           std::string(kZeroField, sizeof kZeroField - 1) +
           "F=  PAD  |  in the middle  |C|2|\r\nF=|no name|C|3|0\r\n#\r\n";
}

// Makes a cell current with the grid's keys: Ctrl+Home and Home to the first cell, then down and right.
void MoveTo(HWND grid, int column, int row) {
    PressKey(grid, VK_HOME, {false, true});
    PressKey(grid, VK_HOME);
    for (int i = 0; i < row; ++i) SendMessageA(grid, WM_KEYDOWN, VK_DOWN, 1);
    for (int i = 0; i < column; ++i) SendMessageA(grid, WM_KEYDOWN, VK_RIGHT, 1);
}

class ClipboardTest : public PluginTest {
protected:
    HWND Open(const std::string& path) {
        lister_ = MakeLister();
        const HWND viewer = lister_->Load(path);
        EXPECT_NE(viewer, nullptr) << path;
        return viewer;
    }
    // Copies the current cell, then the current row, and answers what the clipboard held after each.
    std::pair<ClipboardContent, ClipboardContent> CopyCellAndRow(HWND viewer) {
        PutOwnText("before");
        RunMenuCommand(viewer, N3);
        const ClipboardContent cell = ReadClipboard();
        PutOwnText("before");
        RunMenuCommand(viewer, N6);
        return {cell, ReadClipboard()};
    }

    std::unique_ptr<host::ListerWindow> lister_;
};

TEST_F(ClipboardTest, RightAfterLoadingTheCellIsTheFirstCaptionAndTheRowTheFiveCaptions) {
    DialogDriver dialogs;
    for (const char* sample : {"1Cv7.DD", "1Cv7.DDS"}) {
        const HWND viewer = Open(WindowsSamplePath(sample));
        ASSERT_NE(viewer, nullptr);
        const auto [cell, row] = CopyCellAndRow(viewer);
        EXPECT_EQ(cell.text, Cp(u8"Идентификатор")) << sample;
        EXPECT_EQ(cell.unicode,
                  std::wstring(L"\u0418\u0434\u0435\u043D\u0442\u0438\u0444\u0438\u043A\u0430\u0442\u043E\u0440"))
            << sample;
        EXPECT_EQ(row.text, Cp(u8"Идентификатор; Описание; Тип; Длина; Точность;")) << sample;
        EXPECT_EQ(row.unicode, Utf16FromCp1251(Cp(u8"Идентификатор; Описание; Тип; Длина; Точность;"))) << sample;
        lister_->ClosePlugin();
    }
    EXPECT_TRUE(dialogs.TakeBoxes().empty());
}

TEST_F(ClipboardTest, BothTextFormatsArePlacedThemselvesAndReplaceWhatWasThere) {
    const HWND viewer = Open(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(viewer, nullptr);
    const auto [cell, row] = CopyCellAndRow(viewer);
    EXPECT_EQ(GetClipboardOwner(), lister_->Handle());  // opened on behalf of the newest Lister window
    for (const ClipboardContent& content : {cell, row}) {
        // Formats that Windows makes up from others are listed after the ones placed.
        ASSERT_GE(content.formats.size(), 2u);
        EXPECT_EQ(content.formats[0], static_cast<UINT>(CF_TEXT));
        EXPECT_EQ(content.formats[1], static_cast<UINT>(CF_UNICODETEXT));
        EXPECT_NE(content.text, "before");
    }
}

TEST_F(ClipboardTest, TheCurrentCellAndRowAreCopiedWhereverTheCurrentCellHasMoved) {
    DialogDriver dialogs;
    const std::string path = WindowsSamplePath("1Cv7.DDS");
    const HWND viewer = Open(path);
    ASSERT_NE(viewer, nullptr);
    const HWND grid = GridOf(viewer);
    ChooseTable(viewer, 1);
    SetFocus(grid);
    const auto cells = ReadReferenceTable(path, 1).rows;
    const std::vector<std::string> rows = ExpectedCopiedRows({"1Cv7.DDS", 1});
    ASSERT_EQ(GridCells(grid), cells);
    ASSERT_EQ(rows.size(), cells.size());
    struct Case {
        WORD key;
        Modifiers modifiers;
    };
    const Case moves[] = {
        {VK_DOWN, {}},  {VK_RIGHT, {}}, {VK_DOWN, {}}, {VK_RIGHT, {}},          {VK_RIGHT, {}},
        {VK_RIGHT, {}}, {VK_DOWN, {}},  {VK_HOME, {}}, {VK_END, {false, true}}, {VK_UP, {}},
    };
    for (const Case& move : moves) {
        PressKey(grid, move.key, move.modifiers);
        const GridState state = ReadGrid(grid);
        const std::string expectedCell = cells.at(state.currentRow).at(state.currentColumn);
        const std::string expectedRow = rows.at(state.currentRow);
        const auto [cell, row] = CopyCellAndRow(viewer);
        const std::string where =
            "cell " + std::to_string(state.currentColumn) + ", " + std::to_string(state.currentRow);
        EXPECT_EQ(cell.text, expectedCell) << where;
        EXPECT_EQ(cell.unicode, Utf16FromCp1251(expectedCell)) << where;
        EXPECT_EQ(row.text, expectedRow) << where;
        EXPECT_EQ(row.unicode, Utf16FromCp1251(expectedRow)) << where;
    }
    // The identifier row: its empty cells are copied too.
    PressKey(grid, VK_HOME, {false, true});
    PressKey(grid, VK_DOWN);
    const auto [cell, row] = CopyCellAndRow(viewer);
    EXPECT_EQ(cell.text, "1SSYSTEM    ");  // the identifier keeps the blanks of its field
    EXPECT_EQ(row.text, Cp(u8"1SSYSTEM    ; Идентификатор SQL-таблицы; ; ; ;"));
    // A right click on another cell (column 1 of row 3) makes it current before the menu opens (closed
    // by the driver), so that the menu copies the cell clicked.
    SendMessageA(grid, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(250, 60));
    SendMessageA(grid, WM_RBUTTONUP, 0, MAKELPARAM(250, 60));
    EXPECT_EQ(dialogs.TakeMenus(), 1);
    const auto [clickedCell, clickedRow] = CopyCellAndRow(viewer);
    EXPECT_EQ(clickedCell.text, cells.at(3).at(1));
    EXPECT_EQ(clickedRow.text, rows.at(3));
    EXPECT_TRUE(dialogs.TakeBoxes().empty());
}

// The context menu copies where it was opened. A range dragged from (0, 1) to (2, 4) has its current cell
// at the corner where the drag ended; a right click inside the range keeps the range and copies the cell
// clicked and its row; a right click outside selects the cell clicked and copies it; the menu key and a
// command sent to the viewer copy the current cell.
TEST_F(ClipboardTest, TheMenuCopiesTheCellAndTheRowItWasOpenedOn) {
    const std::string path = WindowsSamplePath("1Cv7.DD");
    const HWND viewer = Open(path);
    ASSERT_NE(viewer, nullptr);
    const HWND grid = GridOf(viewer);
    const int table = BiggestTable(viewer);
    ChooseTable(viewer, table);
    const ReferenceTable reference = ReadReferenceTable(path, table);
    ASSERT_EQ(GridCells(grid), reference.rows);
    // The middle of a cell as the grid lays it out at 1032 pixels, its rows from the top.
    const auto at = [](int column, int row) {
        const int lefts[] = {0, 201, 502, 603, 704};
        return MAKELPARAM(lefts[column] + 10, row * 19 + 9);
    };
    enum class Opened { RightClick, MenuKey, Command };
    struct Case {
        const char* what;
        Opened opened;
        GridCell cell;  // the cell clicked
        UINT command;
        GridCell copied;
        RECT selection;  // afterwards
    };
    const RECT range{0, 1, 2, 4};
    const Case cases[] = {
        {"inside the range, copy cell", Opened::RightClick, {1, 2}, N3, {1, 2}, range},
        {"inside the range, copy row", Opened::RightClick, {1, 3}, N6, {1, 3}, range},
        {"on the range's first corner", Opened::RightClick, {0, 1}, N3, {0, 1}, range},
        {"on the current corner", Opened::RightClick, {2, 4}, N6, {2, 4}, range},
        {"outside the range", Opened::RightClick, {3, 6}, N3, {3, 6}, {3, 6, 3, 6}},
        {"outside the range, copy row", Opened::RightClick, {4, 5}, N6, {4, 5}, {4, 5, 4, 5}},
        {"the menu key", Opened::MenuKey, {}, N3, {2, 4}, range},
        {"the menu key, copy row", Opened::MenuKey, {}, N6, {2, 4}, range},
        {"a command sent to the viewer", Opened::Command, {}, N3, {2, 4}, range},
    };
    DialogDriver dialogs;
    for (const Case& c : cases) {
        SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, at(0, 1));
        SendMessageA(grid, WM_MOUSEMOVE, MK_LBUTTON, at(2, 4));
        SendMessageA(grid, WM_LBUTTONUP, 0, at(2, 4));
        PutOwnText("before");
        if (c.opened == Opened::Command) {
            RunMenuCommand(viewer, c.command);
        } else {
            dialogs.PlanMenuChoice(c.command);
            if (c.opened == Opened::MenuKey) {
                SendMessageA(grid, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid), MAKELPARAM(-1, -1));
            } else {
                SendMessageA(grid, WM_RBUTTONDOWN, MK_RBUTTON, at(c.cell.column, c.cell.row));
                SendMessageA(grid, WM_RBUTTONUP, 0, at(c.cell.column, c.cell.row));
            }
            host::PumpMessages();
            EXPECT_EQ(dialogs.TakeMenus(), 1) << c.what;
        }
        const std::string expected = c.command == N3 ? reference.rows.at(c.copied.row).at(c.copied.column)
                                                     : BuiltCopiedRow(reference, c.copied.row);
        const ClipboardContent copied = ReadClipboard();
        EXPECT_EQ(copied.text, expected) << c.what;
        EXPECT_EQ(copied.unicode, Utf16FromCp1251(expected)) << c.what;
        RECT selection{};
        SendMessageA(grid, grid::kGetSelection, 0, reinterpret_cast<LPARAM>(&selection));
        EXPECT_EQ(selection, c.selection) << c.what;
    }
    EXPECT_TRUE(dialogs.TakeBoxes().empty());
}

// Ctrl+C (and Ctrl+Insert) in the table list copies the selected table's description and identifier,
// TAB between them, the identifier trimmed, in both text formats as the grid's copies, whatever the
// grid has selected; the identifier by each edition's own field.
TEST_F(ClipboardTest, CtrlCInTheListCopiesTheSelectedTablesDescriptionAndIdentifier) {
    for (const char* sample : {"1Cv7.DD", "1Cv7.DDS"}) {
        const std::string path = WindowsSamplePath(sample);
        const HWND viewer = Open(path);
        ASSERT_NE(viewer, nullptr);
        const HWND list = ListOf(viewer);
        const int tables = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (const int table : {0, tables / 2, tables - 1}) {
            ChooseTable(viewer, table);
            const ReferenceTable reference = ReadReferenceTable(path, table);
            std::string identifier = reference.rows.at(1).at(0);
            identifier.erase(identifier.find_last_not_of(' ') + 1);
            identifier.erase(0, identifier.find_first_not_of(' '));
            ASSERT_FALSE(identifier.empty());
            const std::string expected = reference.entry + "\t" + identifier;
            for (const WORD key : {WORD{'C'}, WORD{VK_INSERT}}) {
                SetFocus(list);
                PutOwnText("before");
                PressKey(list, key, {false, true});
                const ClipboardContent copied = ReadClipboard();
                EXPECT_EQ(copied.text, expected) << sample << " table " << table;
                EXPECT_EQ(copied.unicode, Utf16FromCp1251(expected)) << sample << " table " << table;
                ASSERT_GE(copied.formats.size(), 2u);
                EXPECT_EQ(copied.formats[0], static_cast<UINT>(CF_TEXT));
                EXPECT_EQ(copied.formats[1], static_cast<UINT>(CF_UNICODETEXT));
                EXPECT_EQ(ListSelection(list), table);  // the key moved nothing
            }
        }
        lister_->ClosePlugin();
    }
}

TEST_F(ClipboardTest, EmptyCellsZeroBytesAndBlanksAreCopiedByTheirRules) {
    const std::string folder = FreshFolder();
    const std::string path = WriteFile(folder, "odd.DD", OddCellsDictionary());
    const HWND viewer = Open(path);
    ASSERT_NE(viewer, nullptr);
    const HWND grid = GridOf(viewer);
    SetFocus(grid);
    struct Case {
        int column;
        int row;
        std::string cell;
        std::string rowText;
    };
    const Case cases[] = {
        {0, 1, " SC1.DBF ", "SC1.DBF ; " + Cp(u8"Идентификатор DBF-таблицы") + "; ; ; ;"},
        {1, 2, "", "EMPTY; ; C; 1; 0;"},                 // an empty cell leaves an empty text
        {1, 3, "be", "ZERO; be; ; ; ;"},                 // a zero byte ends the line's text when it is split
        {0, 4, "  PAD", "PAD; in the middle; C; 2; ;"},  // a cell keeps its own blanks
        {4, 4, "", "PAD; in the middle; C; 2; ;"},
        {1, 5, "no name", "; no name; C; 3; 0;"},
    };
    for (const Case& c : cases) {
        MoveTo(grid, c.column, c.row);
        ASSERT_EQ(ReadGrid(grid).currentRow, c.row);
        ASSERT_EQ(ReadGrid(grid).currentColumn, c.column);
        const auto [cell, row] = CopyCellAndRow(viewer);
        EXPECT_EQ(cell.text, c.cell) << c.column << ", " << c.row;
        EXPECT_EQ(cell.unicode, Utf16FromCp1251(c.cell)) << c.column << ", " << c.row;
        EXPECT_EQ(row.text, c.rowText) << c.column << ", " << c.row;
    }
    lister_->ClosePlugin();
    RemoveFolder(folder);
}

TEST_F(ClipboardTest, CyrillicPastesAsCyrillicInUnicodeWhileAnEnglishLayoutIsActive) {
    const HWND viewer = Open(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(viewer, nullptr);
    const HKL before = GetKeyboardLayout(0);
    const HKL english = LoadKeyboardLayoutA("00000409", KLF_ACTIVATE);
    const auto [cell, row] = CopyCellAndRow(viewer);
    if (before != nullptr) ActivateKeyboardLayout(before, 0);
    if (english == nullptr) GTEST_SKIP() << "no English keyboard layout to activate";
    EXPECT_EQ(cell.unicode, Utf16FromCp1251(Cp(u8"Идентификатор")));
    EXPECT_EQ(row.unicode, Utf16FromCp1251(Cp(u8"Идентификатор; Описание; Тип; Длина; Точность;")));
}

TEST_F(ClipboardTest, AClipboardHeldByAnotherProgramGivesCannotOpenClipboardAndKeepsItsContent) {
    const HWND viewer = Open(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(viewer, nullptr);
    PutOwnText("kept");
    DialogDriver dialogs;
    {
        ClipboardHolder holder;
        for (UINT command : {N3, N6}) {
            RunMenuCommand(viewer, command);
            const auto boxes = dialogs.TakeBoxes();
            ASSERT_EQ(boxes.size(), 1u) << command;
            EXPECT_EQ(boxes[0].text, "Plugin Error:\rCannot open clipboard");
            EXPECT_EQ(boxes[0].caption, "Message");
            EXPECT_EQ(boxes[0].owner, lister_->Handle());
        }
    }
    EXPECT_EQ(ReadClipboard().text, "kept");
    // Once it is free again, the command works, and the viewer has gone on working meanwhile.
    RunMenuCommand(viewer, N3);
    EXPECT_EQ(ReadClipboard().text, Cp(u8"Идентификатор"));
    EXPECT_TRUE(dialogs.TakeBoxes().empty());
}

TEST_F(ClipboardTest, WithNoListerWindowRegisteredAPrivateWindowOwnsTheClipboardAndGoesAfterwards) {
    const HWND viewer = Open(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(viewer, nullptr);
    // Alt+X clears the application's main window; the viewer stays open.
    SetFocus(viewer);
    PressKey(viewer, 'X', {false, false, true});
    ASSERT_TRUE(IsWindow(viewer));
    DialogDriver dialogs;
    const int windowsBefore = ThreadWindowCount();
    const auto [cell, row] = CopyCellAndRow(viewer);
    EXPECT_EQ(cell.text, Cp(u8"Идентификатор"));
    EXPECT_EQ(row.unicode, Utf16FromCp1251(Cp(u8"Идентификатор; Описание; Тип; Длина; Точность;")));
    EXPECT_NE(GetClipboardOwner(), lister_->Handle());
    EXPECT_EQ(ThreadWindowCount(), windowsBefore);
    EXPECT_TRUE(dialogs.TakeBoxes().empty());
}

TEST_F(ClipboardTest, RowsOfRealDictionariesAreCopiedByteForByte) {
    if (!RealDictionariesPresent()) GTEST_SKIP() << "no real dictionaries here";
    // Without fixtures: the cells as the byte-by-byte reading gives them, the rows as the row builder
    // (pinned natively) makes them of those cells.
    for (const char* name : {"artamir__tks__1Cv7.DD", "nasta-sap__cats__1Cv7.DD"}) {
        const std::string path = RealDictionaryPath(name);
        const HWND viewer = Open(path);
        ASSERT_NE(viewer, nullptr);
        const HWND grid = GridOf(viewer);
        const int tables = static_cast<int>(SendMessageA(ListOf(viewer), LB_GETCOUNT, 0, 0));
        for (int table : {0, tables / 2, tables - 1}) {
            ChooseTable(viewer, table);
            SetFocus(grid);
            const ReferenceTable reference = ReadReferenceTable(path, table);
            ASSERT_EQ(GridCells(grid), reference.rows) << name << " table " << table;
            for (size_t r = 0; r < reference.rows.size(); ++r) {
                const int column = static_cast<int>(r % 5);
                MoveTo(grid, column, static_cast<int>(r));
                const auto [cell, row] = CopyCellAndRow(viewer);
                const std::string expectedRow = BuiltCopiedRow(reference, static_cast<int>(r));
                EXPECT_EQ(cell.text, reference.rows[r][column]) << name << " table " << table << " row " << r;
                EXPECT_EQ(row.text, expectedRow) << name << " table " << table << " row " << r;
                EXPECT_EQ(row.unicode, Utf16FromCp1251(expectedRow)) << name << " table " << table;
            }
        }
        lister_->ClosePlugin();
    }
}

}  // namespace
}  // namespace dd::test
