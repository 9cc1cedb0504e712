// The data view as the user meets it, whatever the system's ANSI code page (this file belongs to the code-page
// suite): the sample base copied into a folder whose name no ANSI code page holds, its tables opened through
// ListLoadW and read back through the grid's and the viewer's query messages against what Debian's dbfread reads
// of them (data-view-expected.py, run at build time); the Lister's find through the stand-in's keys and find
// dialog; copying; the CSV save through the menu and the save dialog; Enter and Backspace between the dictionary
// and a table; the DBF files the plug-in leaves to other viewers; a table cut short; N and P through a base.
#include <algorithm>
#include <functional>
#include <optional>

#include "base/DictionaryTables.h"
#include "dictionary/Cp1251.h"
#include "platform/win32/WideText.h"
#include "support/CollectedText.h"
#include "support/DbfBuilder.h"
#include "support/ReferenceSearch.h"
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewer/GridMessages.h"
#include "viewer/PopupMenu.h"
#include "viewmodel/TableDataView.h"
#include "windows/host/ListerInterface.h"
#include "windows/host/ListerSearch.h"
#include "windows/host/ListerSession.h"
#include "windows/host/PluginCommands.h"
#include "windows/support/OutputTestSupport.h"
#include "windows/support/PluginTestSupport.h"
#include "windows/support/UnicodeFolder.h"
#include <nlohmann/json.hpp>

namespace dd::test {
namespace {

using host::kPluginError;
using host::kPluginOk;
using Cells = std::vector<std::vector<std::wstring>>;

constexpr LCID kRussian = 0x0419;
constexpr int kRowPitch = 19;  // an 18-pixel row and its grid line, at 96 DPI
constexpr int kRowHeight = 18;

// What the data view must show of one table: its title line, then its grid (row 0 the captions, column 0 the
// mark of a deleted row).
struct ExpectedTable {
    std::wstring file;
    std::wstring title;
    Cells cells;
    int32_t Rows() const { return static_cast<int32_t>(cells.size()) - 1; }
    int Columns() const { return static_cast<int>(cells.front().size()); }
};

struct ExpectedBase {
    std::string skipped;  // why there is nothing to compare with
    std::vector<ExpectedTable> tables;

    const ExpectedTable* Find(const std::wstring& file) const {
        for (const ExpectedTable& table : tables)
            if (CompareStringOrdinal(table.file.c_str(), -1, file.c_str(), -1, TRUE) == CSTR_EQUAL) return &table;
        return nullptr;
    }
    const ExpectedTable& Table(const std::wstring& file) const {
        const ExpectedTable* table = Find(file);
        if (table == nullptr) throw std::runtime_error("no expected table " + Utf8FromWide(file));
        return *table;
    }
};

const ExpectedBase& Expected() {
    static const ExpectedBase base = [] {
        ExpectedBase read;
        const auto bytes = ReadWholeFile(TestPath(DD_DATA_VIEW_EXPECTED));
        if (!bytes) throw std::runtime_error("cannot read " + TestPath(DD_DATA_VIEW_EXPECTED));
        const nlohmann::json document = nlohmann::json::parse(*bytes);
        if (document.contains("skipped")) {
            read.skipped = document["skipped"].get<std::string>();
            return read;
        }
        for (const auto& table : document["tables"]) {
            ExpectedTable expected{
                WideFromUtf8(table["file"].get<std::string>()), WideFromUtf8(table["title"].get<std::string>()), {}};
            std::vector<nlohmann::json> rows = {table["captions"]};
            rows.insert(rows.end(), table["rows"].begin(), table["rows"].end());
            for (const auto& row : rows) {
                expected.cells.emplace_back();
                for (const auto& cell : row) expected.cells.back().push_back(WideFromUtf8(cell.get<std::string>()));
            }
            read.tables.push_back(std::move(expected));
        }
        return read;
    }();
    return base;
}

std::string Cp1251FromWide(const std::wstring& text) { return Cp1251FromUtf8(Utf8FromWide(text)).value_or("?"); }

// The cells of a range as Copy puts them on the clipboard: TAB between cells, CR LF after every row.
std::wstring RangeText(const Cells& cells, GridRange range) {
    std::wstring text;
    for (int32_t row = range.top; row <= range.bottom; ++row) {
        for (int column = range.left; column <= range.right; ++column) {
            if (column > range.left) text += L'\t';
            text += cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
        }
        text += L"\r\n";
    }
    return text;
}

GridCell CurrentOf(HWND grid) {
    const GridState state = ReadGrid(grid);
    return {state.currentColumn, state.currentRow};
}

// A base's table shown in the data view as dbfread reads it: the list hidden, the title line, the fixed captions
// row, every cell.
void ExpectShowsTable(HWND viewer, const ExpectedTable& table, const std::string& context) {
    EXPECT_FALSE(IsWindowVisible(ListOf(viewer))) << context;
    EXPECT_EQ(TitleText(viewer), table.title) << context;
    const GridState state = ReadGrid(GridOf(viewer));
    EXPECT_EQ(state.fixedRows, 1) << context;
    EXPECT_EQ(GridCellsW(GridOf(viewer)), table.cells) << context;
}

// A dictionary shown: the list, no title line, the field grid.
void ExpectShowsDictionary(HWND viewer, const std::string& context) {
    EXPECT_TRUE(IsWindowVisible(ListOf(viewer))) << context;
    EXPECT_EQ(TitleText(viewer), L"") << context;
    EXPECT_EQ(ReadGrid(GridOf(viewer)).fixedRows, 0) << context;
}

class DataViewTest : public PluginTest {
protected:
    void SetUp() override {
        if (!Expected().skipped.empty()) GTEST_SKIP() << Expected().skipped;
        CopyBase(folder_.Path());
    }

    // The sample base's dictionary and tables, copied into a folder.
    static void CopyBase(const std::wstring& folder) {
        const std::string samples = WindowsSamplePath("base") + "\\";
        for (const std::string& name : FolderNames(samples)) {
            const std::string upper = CharUpperString(name);
            if (upper.ends_with(".DBF") || upper == "1CV7.DD")
                UnicodeFolder::Copy(samples + name, folder, WideAscii(name));
        }
    }
    static std::string CharUpperString(std::string text) {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    }

    std::wstring PathOf(const std::wstring& file) const { return folder_.Path() + file; }

    OpenedViewer Open(const std::wstring& file, ListerShape shape = {}) {
        OpenedViewer opened;
        opened.lister = MakeLister(shape.embedded, shape.width, shape.height);
        opened.viewer = opened.lister->LoadW(PathOf(file));
        if (opened.viewer != nullptr) {
            opened.list = ListOf(opened.viewer);
            opened.grid = GridOf(opened.viewer);
        }
        return opened;
    }

    UnicodeFolder folder_;
};

TEST_F(DataViewTest, EveryTableOfTheBase_ShowsWhatDbfreadReadsUnderTheDictionarysNames) {
    ASSERT_GE(Expected().tables.size(), 8u);
    MessageBoxCatcher boxes;
    for (const ExpectedTable& table : Expected().tables) {
        const std::string context = Utf8FromWide(table.file);
        auto [lister, viewer, list, grid] = Open(table.file);
        ASSERT_NE(viewer, nullptr) << context;
        ExpectShowsTable(viewer, table, context);
        // Opened on the first row's first column of the table, the keys the grid's.
        EXPECT_EQ(CurrentOf(grid), (GridCell{1, 1})) << context;
        EXPECT_EQ(GetFocus(), grid) << context;
        lister->ClosePlugin();
    }
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(PluginWindowCount(), 0);
}

// The Lister's find as the user works it: F7 in the grid goes to the Lister, whose find dialog asks for the text
// and its options; F3 finds the next hit, Shift+F3 the one before; where there is none the Lister says so. Every
// hit must be the next cell, as shown, that holds the text, by a plain reading of the rules over dbfread's cells.
class DataViewFindTest : public DataViewTest {
protected:
    struct Walk {
        const char* name;
        std::wstring file;
        host::FindRequest request;
        bool finds;  // whether the text stands in the table: a walk that finds nothing shows little
    };

    // The cells that hold the text, in reading order: rows from the first, each left to right; the mark's column
    // holds nothing to find.
    static std::vector<GridCell> ReferenceHitsIn(const ExpectedTable& table, const host::FindRequest& request) {
        const int flags = (request.matchCase ? host::kMatchCase : 0) | (request.wholeWords ? host::kWholeWords : 0);
        const std::string text = Cp1251FromWide(request.text);
        std::vector<GridCell> hits;
        for (int32_t row = 1; row <= table.Rows(); ++row) {
            for (int column = 1; column < table.Columns(); ++column) {
                if (ReferenceHolds(Cp1251FromWide(table.cells[static_cast<size_t>(row)][static_cast<size_t>(column)]),
                                   text, flags))
                    hits.push_back({column, row});
            }
        }
        return hits;
    }

    // The grid's last row that stands whole on screen: a backward F7 starts at its end.
    static int32_t LastRowOnScreen(HWND grid) {
        RECT client{};
        GetClientRect(grid, &client);
        const auto top = static_cast<int32_t>(SendMessageA(grid, grid::kGetTopRow, 0, 0));
        return top + (client.bottom - kRowPitch + 1) / kRowPitch - 1;
    }

    // The current cell stands whole in the grid's client area, below the captions.
    static bool CurrentInView(HWND grid) {
        const GridState state = ReadGrid(grid);
        const auto top = static_cast<int32_t>(SendMessageA(grid, grid::kGetTopRow, 0, 0));
        RECT client{};
        GetClientRect(grid, &client);
        const int left = GridColumnLeft(state.widths, state.currentColumn, ScrollBarOf(grid, SB_HORZ).nPos);
        const int right = left + state.widths[static_cast<size_t>(state.currentColumn)];
        const int bottom = (1 + state.currentRow - top) * kRowPitch + kRowHeight;
        return state.currentRow >= top && bottom <= client.bottom && left >= 0 && right <= client.right;
    }

    // The not-found boxes that the Lister showed since the last call.
    static int NotFoundBoxes(DialogDriver& dialogs) {
        int count = 0;
        for (const CaughtBox& box : dialogs.TakeBoxes()) {
            EXPECT_EQ(box.wideCaption, L"Lister") << Utf8FromWide(box.wideText);
            ++count;
        }
        return count;
    }

    // The hit shown: the current cell alone selected, in view.
    static void ExpectHitShown(HWND grid, GridCell hit, const std::string& context) {
        EXPECT_EQ(CurrentOf(grid), hit) << context;
        EXPECT_EQ(SelectionOf(grid), (RECT{hit.column, hit.row, hit.column, hit.row})) << context;
        EXPECT_TRUE(CurrentInView(grid)) << context;
    }

    void Run(const Walk& walk) {
        SCOPED_TRACE(walk.name);
        const ExpectedTable& table = Expected().Table(walk.file);
        const std::vector<GridCell> hits = ReferenceHitsIn(table, walk.request);
        // A short window: hits below it and right of it must be scrolled into view.
        host::ListerWindowArgs args;
        args.plugin = &Plugin();
        args.bounds = {40, 40, 40 + 700, 40 + 240};
        const host::PluginCommands commands(Plugin());
        host::ListerSearch search(commands);
        args.onKey = [&search](WPARAM key) { search.OnKey(key); };
        host::ListerWindow lister(args);
        search.Attach(lister);
        const HWND viewer = lister.LoadW(PathOf(walk.file));
        ASSERT_NE(viewer, nullptr);
        const HWND grid = GridOf(viewer);
        SetFocus(grid);
        DialogDriver dialogs;

        dialogs.PlanFind(walk.request);
        const int32_t lastOnScreen = LastRowOnScreen(grid);
        PressKey(grid, VK_F7);
        EXPECT_EQ(dialogs.TakeFindDialogs(), 1);
        // F7 from the first row on screen on, or backwards from the end of the last row on screen.
        std::vector<GridCell> walked = hits;
        if (walk.request.backwards) {
            std::erase_if(walked, [&](GridCell hit) { return hit.row > lastOnScreen; });
            std::reverse(walked.begin(), walked.end());
        }
        ASSERT_EQ(!walked.empty(), walk.finds) << "the reference finds " << walked.size() << " hits";
        if (walked.empty()) {
            EXPECT_EQ(NotFoundBoxes(dialogs), 1);
            EXPECT_EQ(CurrentOf(grid), (GridCell{1, 1})) << "a search without a hit moved the current cell";
            return;
        }
        for (size_t i = 0; i < walked.size(); ++i) {
            if (i > 0) PressKey(grid, VK_F3);
            ExpectHitShown(grid, walked[i], "hit " + std::to_string(i));
            EXPECT_EQ(NotFoundBoxes(dialogs), 0) << "hit " << i;
        }
        // No hit after the last: the Lister says so, and nothing moves.
        PressKey(grid, VK_F3);
        EXPECT_EQ(NotFoundBoxes(dialogs), 1);
        ExpectHitShown(grid, walked.back(), "after the last hit");
        // Shift+F3: the hit before it.
        if (walked.size() >= 2) {
            PressKey(grid, VK_F3, {true});
            ExpectHitShown(grid, walked[walked.size() - 2], "Shift+F3");
        }
        EXPECT_EQ(dialogs.TakeFindDialogs(), 0);
        lister.ClosePlugin();
    }
};

TEST_F(DataViewFindTest, F7F3AndShiftF3WalkTheHitsAsTheCellsShowThem) {
    const Walk walks[] = {
        {"Cyrillic in either case", L"SC167.DBF", {Wide(u8"ооо")}, true},
        {"case matching", L"SC167.DBF", {Wide(u8"ООО"), true}, true},
        {"case matching, no hit in the other case", L"SC167.DBF", {Wide(u8"ооо"), true}, false},
        {"a deleted row's text", L"SC167.DBF", {Wide(u8"Ромашка")}, true},
        {"a TAB in a name shows as a space", L"SC167.DBF", {Wide(u8"Плюс\" филиал")}, true},
        {"a TAB in a comment shows as a space, case matching", L"DH3050.DBF", {Wide(u8"и табуляция"), true}, true},
        {"a date as shown", L"DH3050.DBF", {L"15.03.2024"}, true},
        {"a date as stored is not shown", L"DH3050.DBF", {L"20240315"}, false},
        {"a number as written", L"DT3050.DBF", {L"389.00"}, true},
        {"a number as a whole word", L"DT3050.DBF", {L"389", false, true}, true},
        {"a part of a number, whole words", L"DT3050.DBF", {L"38", false, true}, false},
        {"backwards from the last row on screen", L"DT3050.DBF", {L"0.", false, false, true}, true},
        {"an identifier with its leading blanks", L"DT3050.DBF", {Wide(u8"     4ЦБ"), true}, true},
        {"a text in no cell", L"SC185.DBF", {L"no such text"}, false},
    };
    for (const Walk& walk : walks) Run(walk);
}

class DataViewCopyTest : public DataViewTest {
protected:
    // Runs a copy and answers what another program pastes: CF_UNICODETEXT, checked against CF_TEXT (the
    // Windows-1251 bytes, marked Russian by CF_LOCALE).
    static std::wstring Copied(const std::function<void()>& copy, const std::string& context) {
        PutOwnText("before");
        copy();
        const ClipboardContent clipboard = ReadClipboard();
        EXPECT_TRUE(clipboard.text && clipboard.unicode && clipboard.locale) << context;
        if (!clipboard.text || !clipboard.unicode) return {};
        EXPECT_EQ(*clipboard.unicode, Utf16FromCp1251(*clipboard.text)) << context;
        EXPECT_EQ(clipboard.locale, kRussian) << context;
        return *clipboard.unicode;
    }
};

TEST_F(DataViewCopyTest, CopyPutsTheCellsAsShownOnTheClipboard) {
    const ExpectedTable& table = Expected().Table(L"SC167.DBF");
    auto [lister, viewer, list, grid] = Open(table.file);
    ASSERT_NE(viewer, nullptr);
    const Cells& cells = table.cells;
    const auto cell = [&](int column, int32_t row) {
        return cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
    };
    const auto rowText = [&](int32_t row) {  // the menu's row: the table's cells, TAB-separated
        std::wstring text = RangeText(cells, {1, row, table.Columns() - 1, row});
        return text.substr(0, text.size() - 2);
    };
    const auto ctrlC = [&] { PressKey(grid, 'C', {false, true}); };
    const auto ctrlInsert = [&] { PressKey(grid, VK_INSERT, {false, true}); };
    const auto listerCopy = [&] { EXPECT_EQ(Plugin().SendCommand(viewer, host::kCopyCommand), kPluginOk); };
    const auto menuCopy = [&](UINT command) {
        return [&, command] {
            DialogDriver dialogs;
            dialogs.PlanMenuChoice(command);
            SendMessageW(grid, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid), MAKELPARAM(-1, -1));
            host::PumpMessages();
            EXPECT_EQ(dialogs.TakeMenus(), 1);
        };
    };
    // The cell of the name with a TAB in it, then a range of two columns and two rows from it.
    const auto toName = [&] {
        PressKey(grid, VK_HOME, {false, true});
        PressKey(grid, VK_HOME);
        for (int i = 0; i < 4; ++i) PressKey(grid, VK_RIGHT);
        for (int i = 0; i < 2; ++i) PressKey(grid, VK_DOWN);
        ASSERT_EQ(CurrentOf(grid), (GridCell{4, 3}));
    };
    const auto toRange = [&] {
        toName();
        PressKey(grid, VK_DOWN, {true});
        PressKey(grid, VK_RIGHT, {true});
        ASSERT_EQ(SelectionOf(grid), (RECT{4, 3, 5, 4}));
    };
    const auto toDeleted = [&] {
        toName();
        for (int i = 0; i < 5; ++i) PressKey(grid, VK_DOWN);
        ASSERT_EQ(CurrentOf(grid), (GridCell{4, 8}));
    };
    const auto selectAll = [&] { PressKey(grid, 'A', {false, true}); };
    const auto nothing = [] {};
    struct Case {
        const char* name;
        std::function<void()> select;
        std::function<void()> copy;
        std::wstring expected;
    };
    const Case cases[] = {
        {"the current cell after opening", nothing, ctrlC, cell(1, 1)},
        {"a cell alone, Ctrl+C", toName, ctrlC, cell(4, 3)},
        {"a cell alone, Ctrl+Insert", toName, ctrlInsert, cell(4, 3)},
        {"a cell alone, the Lister's copy", toName, listerCopy, cell(4, 3)},
        {"a range, Ctrl+C", toRange, ctrlC, RangeText(cells, {4, 3, 5, 4})},
        {"a range, the Lister's copy", toRange, listerCopy, RangeText(cells, {4, 3, 5, 4})},
        {"the menu's cell", toName, menuCopy(N3), cell(4, 3)},
        {"the menu's row", toName, menuCopy(N6), rowText(3)},
        {"the menu's row of a deleted record", toDeleted, menuCopy(N6), rowText(8)},
        {"Ctrl+A, then Ctrl+C: every row", selectAll, ctrlC,
         RangeText(cells, {1, 1, table.Columns() - 1, table.Rows()})},
    };
    ASSERT_EQ(cells[8][0], L"*");
    MessageBoxCatcher boxes;
    for (const Case& c : cases) {
        c.select();
        EXPECT_EQ(Copied(c.copy, c.name), c.expected) << c.name;
    }
    EXPECT_TRUE(boxes.Take().empty());
}

// A copy of more than 100,000 rows asks first, since the clipboard would hold megabytes; 100,000 rows do not.
TEST_F(DataViewCopyTest, CopyingMoreThan100000RowsAsksFirst) {
    const std::wstring base = folder_.Folder(Wide(u8"Много строк"));
    std::string dictionary;
    for (const std::string identifier : {"SC1", "SC2"}) {
        dictionary += "#==TABLE no " + identifier.substr(2) + Cp(u8"      : Справочник Буквы ") + identifier + "\r\n" +
                      "# Name    |Descr                         |Type[A/S/U]|DBTableName|ReUsable  \r\n" +
                      "T=" + identifier + Cp(u8"     |Справочник Буквы              |A          |") + identifier +
                      "        |1         \r\n" + "#-----Fields-------\r\n" +
                      "# Name      |Descr               |Type|Length|Precision\r\n" +
                      Cp(u8"F=SP1       |(P)Буква            |C   |1     |0        \r\n") + "#\r\n";
    }
    UnicodeFolder::Write(base, L"1Cv7.DD", dictionary);
    struct Case {
        const wchar_t* file;
        int32_t rows;
        bool asks;
    };
    const Case cases[] = {{L"SC1.DBF", 100'000, false}, {L"SC2.DBF", 100'001, true}};
    for (const Case& c : cases) {
        DbfBuilder builder;
        builder.Field("SP1", 'C', 1);
        std::wstring everyRow;
        for (int32_t row = 0; row < c.rows; ++row) {
            builder.Row({Cp(row % 2 == 0 ? u8"а" : u8"б")});
            everyRow += row % 2 == 0 ? L"\x0430\r\n" : L"\x0431\r\n";
        }
        UnicodeFolder::Write(base, c.file, builder.Bytes());
        auto lister = MakeLister();
        const HWND viewer = lister->LoadW(base + c.file);
        ASSERT_NE(viewer, nullptr) << Utf8FromWide(c.file);
        const HWND grid = GridOf(viewer);
        PressKey(grid, 'A', {false, true});
        DialogDriver dialogs;
        if (c.asks) {
            // No: the clipboard keeps what it held.
            dialogs.PlanQuestionAnswer(false);
            PutOwnText("before");
            PressKey(grid, 'C', {false, true});
            EXPECT_EQ(ReadClipboard().text, "before");
            const auto asked = dialogs.TakeBoxes();
            ASSERT_EQ(asked.size(), 1u);
            EXPECT_EQ(asked[0].wideText, Wide(u8"Скопировать в буфер обмена строк: 100001?"));
            EXPECT_EQ(asked[0].buttons, 2);
            dialogs.PlanQuestionAnswer(true);
        }
        EXPECT_EQ(Copied([&] { PressKey(grid, 'C', {false, true}); }, Utf8FromWide(c.file)), everyRow);
        EXPECT_EQ(dialogs.TakeBoxes().size(), c.asks ? 1u : 0u);
        lister->ClosePlugin();
    }
}

// "Сохранить как CSV": the menu of the data view, the save dialog, the bytes of `ddview data --csv` (which the
// headless writer is pinned to natively), the question before replacing a file.
TEST_F(DataViewTest, SaveAsCsvThroughTheMenuAndTheSaveDialogWritesTheBytesOfDdviewDataCsv) {
    const std::string out = FreshFolder();
    const auto dictionary =
        std::make_shared<DictionaryTables>(ReadDictionaryTablesAt(WindowsSamplePath("base\\1Cv7.DD")));
    for (const std::wstring file : {L"SC167.DBF", L"DT3050.DBF"}) {
        const std::string context = Utf8FromWide(file);
        const std::string identifier = context.substr(0, context.find('.'));
        CollectedText csv;
        TableDataView(WindowsSamplePath("base\\" + context), dictionary, *dictionary->Find(identifier)).WriteCsv(csv);
        const std::string& expected = csv.collected;

        auto [lister, viewer, list, grid] = Open(file);
        ASSERT_NE(viewer, nullptr) << context;
        const MenuSeen menu = ContextMenuOf(grid);
        EXPECT_EQ(menu.captions, (std::vector<std::wstring>{Wide(u8"Копировать ячейку"), Wide(u8"Копировать строку"),
                                                            Wide(u8"Сохранить как CSV"), Wide(u8"Закрыть")}))
            << context;
        EXPECT_EQ(menu.commands, (std::vector<UINT>{N3, N6, N7, N5})) << context;

        DialogDriver dialogs;
        const auto save = [&](SaveAnswer answer) {
            dialogs.PlanMenuChoice(N7);
            dialogs.PlanSave(std::move(answer));
            SendMessageW(grid, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid), MAKELPARAM(-1, -1));
            host::PumpMessages();
            EXPECT_EQ(dialogs.TakeMenus(), 1) << context;
            return dialogs.TakeSaveDialogs();
        };
        const std::string name = out + identifier;
        auto seen = save({name});
        ASSERT_EQ(seen.size(), 1u) << context;
        EXPECT_EQ(seen[0].wideFileType, Wide(u8"Файлы CSV (*.csv)")) << context;
        EXPECT_EQ(ReadWholeFile(name + ".csv"), expected) << context;
        EXPECT_TRUE(dialogs.TakeBoxes().empty()) << context;

        // The same name again, the file changed meanwhile: No keeps it (the dialog comes back and is cancelled),
        // Yes replaces it.
        WriteFile(out, identifier + ".csv", "changed since");
        SaveAnswer keep;
        keep.keepOffered = true;
        for (const bool yes : {false, true}) {
            dialogs.PlanQuestionAnswer(yes);
            seen = save(keep);
            ASSERT_EQ(seen.size(), 1u) << context;
            EXPECT_EQ(seen[0].answeredTwice, !yes) << context;
            const auto asked = dialogs.TakeBoxes();
            ASSERT_EQ(asked.size(), 1u) << context;
            EXPECT_EQ(asked[0].buttons, 2) << context;
            EXPECT_EQ(ReadWholeFile(name + ".csv"), yes ? expected : "changed since") << context;
        }
        lister->ClosePlugin();
    }
    EXPECT_EQ(FolderNames(out), (std::vector<std::string>{"DT3050.csv", "SC167.csv"}));
    RemoveFolder(out);
}

// In the dictionary, Enter on a table whose file is in the folder (or the menu's "Открыть данные") shows its rows;
// Backspace shows the dictionary again with that table selected. A table without a file has the item greyed, and
// Enter leaves the dictionary as it is.
TEST_F(DataViewTest, EnterOpensATablesRowsAndBackspaceReturnsWithTheTableSelected) {
    auto [lister, viewer, list, grid] = Open(L"1Cv7.DD");
    ASSERT_NE(viewer, nullptr);
    const int entries = static_cast<int>(ListTextsW(list).size());
    MessageBoxCatcher boxes;
    int opened = 0;
    for (int entry = 0; entry < entries; ++entry) {
        ChooseTable(viewer, entry);
        std::wstring identifier = CellTextW(grid, 0, 1);
        identifier.erase(identifier.find_last_not_of(L' ') + 1);
        const std::string context = Utf8FromWide(identifier);
        const ExpectedTable* table = Expected().Find(identifier + L".DBF");
        const MenuSeen menu = ContextMenuOf(grid);
        const auto item = std::find(menu.commands.begin(), menu.commands.end(), N8);
        ASSERT_NE(item, menu.commands.end()) << context;
        EXPECT_EQ(menu.enabled[static_cast<size_t>(item - menu.commands.begin())], table != nullptr) << context;

        // Enter in the list, or the menu's item, by turns.
        const bool byMenu = opened % 2 == 1;
        SetFocus(list);
        if (byMenu)
            RunMenuCommand(viewer, N8);
        else
            PressKey(list, VK_RETURN);
        if (table == nullptr) {
            ExpectShowsDictionary(viewer, context + ", no file");
            EXPECT_EQ(ListSelection(list), entry) << context;
            continue;
        }
        ++opened;
        ExpectShowsTable(viewer, *table, context + (byMenu ? ", by the menu" : ", by Enter"));
        EXPECT_EQ(GetFocus(), grid) << context;
        EXPECT_EQ(CurrentOf(grid), (GridCell{1, 1})) << context;

        PressKey(grid, VK_BACK);
        ExpectShowsDictionary(viewer, context + ", back");
        EXPECT_EQ(ListSelection(list), entry) << context;
        EXPECT_EQ(CellTextW(grid, 0, 1).rfind(identifier, 0), 0u) << context;
        EXPECT_EQ(GetFocus(), list) << context;
    }
    EXPECT_EQ(opened, static_cast<int>(Expected().tables.size()));
    EXPECT_TRUE(boxes.Take().empty());
    lister->ClosePlugin();
}

// A table opened by itself goes back to the dictionary beside it, read then, with the table selected.
TEST_F(DataViewTest, BackspaceFromATableOpenedByItselfShowsItsDictionary) {
    auto [lister, viewer, list, grid] = Open(L"SC185.DBF");
    ASSERT_NE(viewer, nullptr);
    ASSERT_FALSE(IsWindowVisible(list));
    PressKey(grid, VK_BACK);
    ExpectShowsDictionary(viewer, "back");
    const int selected = ListSelection(list);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(CellTextW(grid, 0, 1).rfind(L"SC185", 0), 0u);
    EXPECT_EQ(GetFocus(), list);
    // And forth again.
    PressKey(list, VK_RETURN);
    ExpectShowsTable(viewer, Expected().Table(L"SC185.DBF"), "again");
    lister->ClosePlugin();
}

// Every DBF file but a table of a base is another viewer's: declined without a box, by ListLoadW and by
// ListLoadNextW, which leaves the table shown as it was.
TEST_F(DataViewTest, DbfFilesThatAreNoTableOfABaseAreDeclinedQuietly) {
    const std::wstring alone = folder_.Folder(Wide(u8"Без словаря"));
    const std::wstring sql = folder_.Folder(L"SQL");
    const std::wstring broken = folder_.Folder(Wide(u8"Словарь без таблиц"));
    UnicodeFolder::Copy(WindowsSamplePath("1Cv7.DDS"), sql, L"1Cv7.DDS");
    UnicodeFolder::Write(broken, L"1Cv7.DD", "no table marker in this file\r\n");
    std::string randomBytes(4096, '\0');
    for (size_t i = 0; i < randomBytes.size(); ++i) randomBytes[i] = static_cast<char>((i * 2654435761u) >> 13);
    struct Case {
        const char* what;
        std::wstring path;
    };
    const Case cases[] = {
        {"a table in a folder without a dictionary",
         UnicodeFolder::Copy(WindowsSamplePath("base\\SC167.DBF"), alone, L"SC167.DBF")},
        {"random bytes named .DBF without a dictionary", UnicodeFolder::Write(alone, L"X.DBF", randomBytes)},
        {"random bytes named .DBF beside the dictionary", UnicodeFolder::Write(folder_.Path(), L"X.DBF", randomBytes)},
        {"a table the dictionary does not list", PathOf(L"SC999.DBF")},
        {"a table beside a dictionary of the SQL edition",
         UnicodeFolder::Copy(WindowsSamplePath("base\\SC167.DBF"), sql, L"SC167.DBF")},
        {"a table beside a dictionary that is none",
         UnicodeFolder::Copy(WindowsSamplePath("base\\SC167.DBF"), broken, L"SC167.DBF")},
        {"a DBF file named by a prefix alone",
         UnicodeFolder::Copy(WindowsSamplePath("base\\SC167.DBF"), folder_.Path(), L"SC.DBF")},
    };
    MessageBoxCatcher boxes;
    for (const Case& c : cases) {
        auto lister = MakeLister();
        EXPECT_EQ(lister->LoadW(c.path), nullptr) << c.what;
        EXPECT_TRUE(boxes.Take().empty()) << c.what;
        EXPECT_EQ(PluginWindowCount(), 0) << c.what;
    }
    const ExpectedTable& shown = Expected().Table(L"DH3050.DBF");
    auto [lister, viewer, list, grid] = Open(shown.file);
    ASSERT_NE(viewer, nullptr);
    for (const Case& c : cases) {
        EXPECT_EQ(lister->LoadNextW(c.path), kPluginError) << c.what;
        EXPECT_TRUE(boxes.Take().empty()) << c.what;
        ExpectShowsTable(viewer, shown, c.what);
    }
    lister->ClosePlugin();
}

// The platform writes its tables while it runs: a table shorter than its header says shows the whole records it
// holds. A file that holds no table at all under a table's name says what is wrong, as a broken dictionary does.
TEST_F(DataViewTest, ATableCutShortShowsTheRowsItHolds) {
    const ExpectedTable& table = Expected().Table(L"DT3050.DBF");
    const auto whole = ReadWholeFile(WindowsSamplePath("base\\DT3050.DBF"));
    ASSERT_TRUE(whole);
    const auto little = [&](size_t at) {
        return static_cast<size_t>(static_cast<unsigned char>((*whole)[at])) |
               static_cast<size_t>(static_cast<unsigned char>((*whole)[at + 1])) << 8;
    };
    const size_t header = little(8);
    const size_t record = little(10);
    struct Case {
        const char* what;
        size_t length;
        int32_t rows;  // shown; -1: not opened
    };
    const Case cases[] = {
        {"cut inside the sixth record", header + 5 * record + record / 2, 5},
        {"cut after the first record", header + record, 1},
        {"cut right after the header", header, 0},
        {"cut inside the header", header / 2, -1},
    };
    MessageBoxCatcher boxes;
    for (const Case& c : cases) {
        const std::wstring base = folder_.Folder(WideAscii(std::to_string(c.length)));
        UnicodeFolder::Copy(WindowsSamplePath("base\\1Cv7.DD"), base, L"1Cv7.DD");
        UnicodeFolder::Write(base, L"DT3050.DBF", whole->substr(0, c.length));
        auto lister = MakeLister();
        const HWND viewer = lister->LoadW(base + L"DT3050.DBF");
        const auto caught = boxes.Take();
        if (c.rows < 0) {
            EXPECT_EQ(viewer, nullptr) << c.what;
            ASSERT_EQ(caught.size(), 1u) << c.what;
            EXPECT_EQ(caught[0].wideText.rfind(L"Open error:\r", 0), 0u) << Utf8FromWide(caught[0].wideText);
            EXPECT_EQ(PluginWindowCount(), 0) << c.what;
            continue;
        }
        ASSERT_NE(viewer, nullptr) << c.what;
        EXPECT_TRUE(caught.empty()) << c.what;
        ExpectedTable cut = table;
        cut.cells.resize(static_cast<size_t>(c.rows) + 1);
        cut.title = cut.title.substr(0, cut.title.rfind(L' ') + 1) + std::to_wstring(c.rows);
        ExpectShowsTable(viewer, cut, c.what);
        // The keys, the search and the copy find no rows that are not there.
        const HWND grid = GridOf(viewer);
        PressKey(grid, VK_END, {false, true});
        PressKey(grid, 'A', {false, true});
        PressKey(grid, 'C', {false, true});
        const host::PluginCommands commands(Plugin());
        EXPECT_EQ(commands.SearchTextW(viewer, Wide(u8"ЦБ"), host::kFindFirst), c.rows > 0 ? kPluginOk : kPluginError)
            << c.what;
        EXPECT_LE(ReadGrid(grid).currentRow, std::max(c.rows, 1)) << c.what;
        EXPECT_TRUE(boxes.Take().empty()) << c.what;
        lister->ClosePlugin();
    }
}

// N and P go back to the Lister, which shows the folder's next file (or the one before) in the same window: the
// base's tables in turn, the dictionary before them; a DBF file the plug-in does not take is passed over.
TEST_F(DataViewTest, NAndPWalkTheBasesTablesInTheSameWindow) {
    std::unique_ptr<host::ListerSession> session;
    host::ListerWindowArgs args;
    args.plugin = &Plugin();
    args.onKey = [&session](WPARAM key) {
        if (session) session->OnKey(key);
    };
    host::ListerWindow lister(args);
    session = std::make_unique<host::ListerSession>(Plugin(), lister, 0);
    const std::vector<ExpectedTable>& tables = Expected().tables;
    ASSERT_TRUE(session->Open(PathOf(tables.front().file)));
    const HWND viewer = lister.PluginWindow();
    ASSERT_NE(viewer, nullptr);
    const HWND grid = GridOf(viewer);
    MessageBoxCatcher boxes;
    const auto press = [&](WORD key) {
        SetFocus(grid);
        PressKey(grid, key);
    };
    const auto expectShown = [&](const ExpectedTable& table, const std::string& context) {
        EXPECT_EQ(lister.PluginWindow(), viewer) << context;
        EXPECT_EQ(GridOf(viewer), grid) << context;
        ExpectShowsTable(viewer, table, context);
        EXPECT_EQ(CurrentOf(grid), (GridCell{1, 1})) << context;
        EXPECT_EQ(GetFocus(), grid) << context;
    };
    for (size_t i = 1; i < tables.size(); ++i) {
        press('N');
        expectShown(tables[i], "N to " + Utf8FromWide(tables[i].file));
    }
    press('N');  // SC999.DBF, which the dictionary does not list, then nothing
    expectShown(tables.back(), "N past the last table");
    for (size_t i = tables.size() - 1; i-- > 0;) {
        press('P');
        expectShown(tables[i], "P to " + Utf8FromWide(tables[i].file));
    }
    press('P');  // 1Cv7.DD comes first in the folder
    ExpectShowsDictionary(viewer, "P to the dictionary");
    EXPECT_EQ(ListSelection(ListOf(viewer)), 0);
    SetFocus(ListOf(viewer));
    PressKey(ListOf(viewer), 'N');
    expectShown(tables.front(), "N from the dictionary");
    EXPECT_TRUE(boxes.Take().empty());
    lister.ClosePlugin();
}

}  // namespace
}  // namespace dd::test
