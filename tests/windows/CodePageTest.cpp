// What the user reads, whatever the system's ANSI code page: CTest runs this suite under 1251, 1252
// and 932 (double-byte). The list's entries, the grid's cells, the menu's captions, the message boxes'
// texts and the clipboard's Unicode text are the dictionary's Windows-1251 decoded; a dictionary opens
// from a folder whose name no ANSI code page holds, and from a path past 259 characters, through
// ListLoadW; ListLoadNext(W) shows the next file in the same window, or declines and leaves it as it was.
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "platform/win32/WideText.h"
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewmodel/DictionaryView.h"
#include "windows/host/ListerInterface.h"
#include "windows/support/OutputTestSupport.h"
#include "windows/support/PluginTestSupport.h"
#include "windows/support/UnicodeFolder.h"

namespace dd::test {
namespace {

using host::kPluginError;
using host::kPluginOk;
constexpr LCID kRussian = 0x0419;

std::wstring CurrentFolder() {
    wchar_t folder[4096] = {};
    const DWORD length = GetCurrentDirectoryW(4096, folder);
    std::wstring current(folder, length);
    if (!current.empty() && current.back() != L'\\') current += L'\\';
    return current;
}

bool SameFolder(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The dictionary as the core reads it, its texts decoded from Windows-1251 by Windows itself.
struct Expected {
    DictionaryView view;

    explicit Expected(const std::string& windowsPath) { view.Open(windowsPath); }
    std::vector<std::wstring> Entries() const {
        std::vector<std::wstring> entries;
        for (int32_t i = 0; i < view.List().EntryCount(); ++i)
            entries.push_back(Utf16FromCp1251(view.List().EntryText(i)));
        return entries;
    }
    int32_t Tables() const { return view.List().EntryCount(); }
    std::vector<std::vector<std::string>> Table(int32_t index) {
        view.SelectTable(index);
        std::vector<std::vector<std::string>> rows;
        for (int32_t row = 0; row < view.Grid().RowCount(); ++row) {
            rows.emplace_back();
            for (int column = 0; column < view.Grid().ColumnCount(); ++column)
                rows.back().emplace_back(view.Grid().Cell(column, row));
        }
        return rows;
    }
};

// The grid of the table shown: every cell's bytes by the byte query, and its text as the grid shows
// it by the wide query, against the core's bytes and their Windows-1251 decoding.
void ExpectGridShows(HWND grid, const std::vector<std::vector<std::string>>& rows, const std::string& context) {
    ASSERT_EQ(GridCells(grid), rows) << context;
    for (size_t row = 0; row < rows.size(); ++row) {
        for (size_t column = 0; column < rows[row].size(); ++column) {
            ASSERT_EQ(CellTextW(grid, static_cast<int>(column), static_cast<int>(row)),
                      Utf16FromCp1251(rows[row][column]))
                << context << ", cell " << column << "," << row;
        }
    }
}

// The samples and the real dictionaries, to be copied into the Unicode folder.
std::vector<std::string> DictionarySources() {
    std::vector<std::string> sources = {WindowsSamplePath("1Cv7.DD"), WindowsSamplePath("1Cv7.DDS")};
    if (RealDictionariesPresent()) {
        for (const auto& entry : std::filesystem::directory_iterator(DD_REAL_DICTIONARIES_DIR)) {
            const std::string name = entry.path().filename().string();
            if (entry.path().extension() == ".DD" || entry.path().extension() == ".DDS")
                sources.push_back(RealDictionaryPath(name));
        }
    }
    return sources;
}

std::wstring NameOf(const std::string& windowsPath) {
    return WideAscii(windowsPath.substr(windowsPath.rfind('\\') + 1));
}

class CodePageTest : public PluginTest {};

TEST(CodePage, TheSuiteRunsUnderTheCodePageItWasMeantFor) {
    const char* expected = std::getenv("DD_EXPECTED_CODE_PAGE");
    if (expected == nullptr) GTEST_SKIP() << "run outside CTest: no code page asked for";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

TEST_F(CodePageTest, DictionariesInAFolderOfAnyName_ShowTheirTextsDecodedFromWindows1251) {
    const UnicodeFolder folder;
    const std::wstring& target = folder.Path();
    for (const std::string& source : DictionarySources()) {
        const std::wstring path = UnicodeFolder::Copy(source, target, NameOf(source));
        Expected expected(source);
        auto lister = MakeLister();
        const HWND viewer = lister->LoadW(path);
        ASSERT_NE(viewer, nullptr) << source;
        EXPECT_TRUE(SameFolder(CurrentFolder(), target)) << Utf8FromWide(CurrentFolder());
        EXPECT_EQ(ListTextsW(ListOf(viewer)), expected.Entries()) << source;
        for (int32_t table = 0; table < expected.Tables(); ++table) {
            ChooseTable(viewer, table);
            ExpectGridShows(GridOf(viewer), expected.Table(table), source + " table " + std::to_string(table));
        }
    }
}

// The ANSI export with a path in ASCII works under every code page too.
TEST_F(CodePageTest, ListLoadWithAnAsciiPath_ShowsTheSameTexts) {
    Expected expected(WindowsSamplePath("1Cv7.DD"));
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(ListTextsW(ListOf(viewer)), expected.Entries());
    ExpectGridShows(GridOf(viewer), expected.Table(0), "table 0");
}

TEST_F(CodePageTest, TheContextMenuAndTheClipboardCarryTheRussianTexts) {
    Expected expected(WindowsSamplePath("1Cv7.DD"));
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    const MenuSeen menu = ContextMenuOf(GridOf(viewer));
    const std::vector<std::wstring> captions = {
        Wide(u8"Копировать ячейку"), Wide(u8"Копировать строку"), Wide(u8"Печать"),
        Wide(u8"Сохранить в файл"),  Wide(u8"Открыть данные"),    Wide(u8"Закрыть")};
    ASSERT_EQ(menu.captions, captions);

    // The current cell after loading is the caption "Идентификатор"; then its whole row.
    const std::string cell = expected.Table(0)[0][0];
    ASSERT_EQ(cell, Cp(u8"Идентификатор"));
    struct Case {
        const char* what;
        UINT command;
    };
    const Case cases[] = {{"the cell", menu.commands[0]}, {"the row", menu.commands[1]}};
    for (const Case& c : cases) {
        PutOwnText("before");
        RunMenuCommand(viewer, c.command);
        const ClipboardContent clipboard = ReadClipboard();
        ASSERT_TRUE(clipboard.text && clipboard.unicode && clipboard.locale) << c.what;
        EXPECT_EQ(clipboard.text->rfind(cell, 0), 0u) << c.what << ": CF_TEXT keeps the Windows-1251 bytes";
        EXPECT_EQ(*clipboard.unicode, Utf16FromCp1251(*clipboard.text)) << c.what;
        EXPECT_EQ(*clipboard.locale, kRussian) << c.what;
    }
}

// Paths and messages travel as UTF-8 inside the plug-in, so a box shows a folder's name whole.
TEST_F(CodePageTest, MessageBoxesShowTheirTextsWhole) {
    const UnicodeFolder folder;
    const std::wstring missingFolder = folder.Path() + Wide(u8"Нет такой папки ไทย") + L"\\";
    struct Case {
        const char* what;
        std::wstring path;
        std::wstring text;
    };
    const Case cases[] = {
        {"a missing file", folder.Path() + L"1Cv7.DD", L"Open error:\rFile not found"},
        {"a folder that cannot be made current", missingFolder + L"1Cv7.DD",
         L"Open error:\rError of SetCurrentDir() for Folder: " + missingFolder},
    };
    MessageBoxCatcher boxes;
    for (const Case& c : cases) {
        auto lister = MakeLister();
        EXPECT_EQ(lister->LoadW(c.path), nullptr) << c.what;
        const auto caught = boxes.Take();
        ASSERT_EQ(caught.size(), 1u) << c.what;
        EXPECT_EQ(caught[0].wideText, c.text) << c.what;
        EXPECT_EQ(caught[0].wideCaption, L"Message") << c.what;
        EXPECT_EQ(caught[0].owner, lister->Handle()) << c.what;
    }
    EXPECT_EQ(PluginWindowCount(), 0);
}

TEST_F(CodePageTest, APathPast259Characters_OpensThroughListLoadW) {
    const UnicodeFolder folder;
    std::wstring relative = Wide(u8"Очень длинный путь ไทย");
    while ((folder.Path() + relative).size() < 300) {
        folder.Folder(relative);
        relative += L"\\" + Wide(u8"папка ไทย ") + std::wstring(30, L'x');
    }
    const std::wstring target = folder.Folder(relative);
    ASSERT_GT(target.size(), 300u);
    const std::wstring path = UnicodeFolder::Copy(WindowsSamplePath("1Cv7.DDS"), target, L"1Cv7.DDS");
    Expected expected(WindowsSamplePath("1Cv7.DDS"));
    MessageBoxCatcher boxes;
    auto lister = MakeLister();
    const HWND viewer = lister->LoadW(LongForm(path));
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(ListTextsW(ListOf(viewer)), expected.Entries());
    ExpectGridShows(GridOf(viewer), expected.Table(0), "table 0");
    lister->ClosePlugin();
}

// The viewer as the user sees it: list, grid, current cell, focus.
struct Shown {
    std::vector<std::wstring> entries;
    int selection = 0;
    std::vector<std::vector<std::string>> cells;
    GridState grid;
    bool operator==(const Shown&) const = default;
};

Shown ShownBy(HWND viewer) {
    return {ListTextsW(ListOf(viewer)), ListSelection(ListOf(viewer)), GridCells(GridOf(viewer)),
            ReadGrid(GridOf(viewer))};
}

// Moves the current cell off row 0, as the user would, so that the next file is seen to bring it back.
void MoveCurrentCell(HWND viewer) {
    ChooseTable(viewer, 1);
    SetFocus(GridOf(viewer));
    PressKey(GridOf(viewer), VK_DOWN);
    PressKey(GridOf(viewer), VK_DOWN);
    PressKey(GridOf(viewer), VK_RIGHT);
    ASSERT_EQ(ReadGrid(GridOf(viewer)).currentRow, 2);
}

TEST_F(CodePageTest, ListLoadNextW_ShowsEachDictionaryInTheSameWindowWithItsOwnMode) {
    const UnicodeFolder folder;
    const std::wstring dbfFolder = folder.Path();
    const std::wstring sqlFolder = folder.Folder(Wide(u8"Склад ไทย"));
    const std::wstring dbf = UnicodeFolder::Copy(WindowsSamplePath("1Cv7.DD"), dbfFolder, L"1Cv7.DD");
    const std::wstring sql = UnicodeFolder::Copy(WindowsSamplePath("1Cv7.DDS"), sqlFolder, L"1Cv7.DDS");
    auto lister = MakeLister();
    const HWND viewer = lister->LoadW(dbf);
    ASSERT_NE(viewer, nullptr);
    const HWND list = ListOf(viewer);
    const HWND grid = GridOf(viewer);
    struct Step {
        std::wstring path;
        std::string source;
        std::wstring folder;
    };
    const Step steps[] = {
        {sql, WindowsSamplePath("1Cv7.DDS"), sqlFolder},
        {dbf, WindowsSamplePath("1Cv7.DD"), dbfFolder},
        {sql, WindowsSamplePath("1Cv7.DDS"), sqlFolder},
    };
    MessageBoxCatcher boxes;
    for (const Step& step : steps) {
        MoveCurrentCell(viewer);
        ASSERT_EQ(lister->LoadNextW(step.path), kPluginOk) << step.source;
        Expected expected(step.source);
        EXPECT_EQ(ListOf(viewer), list);  // the same viewer, list and grid
        EXPECT_EQ(GridOf(viewer), grid);
        EXPECT_EQ(ListTextsW(list), expected.Entries()) << step.source;
        EXPECT_EQ(ListSelection(list), 0) << step.source;
        ExpectGridShows(grid, expected.Table(0), step.source);
        EXPECT_EQ(ReadGrid(grid).currentRow, 0) << step.source;
        EXPECT_EQ(GetFocus(), list) << step.source;
        EXPECT_TRUE(SameFolder(CurrentFolder(), step.folder)) << Utf8FromWide(CurrentFolder());
        // Each dictionary keeps its own mode: its later tables read as its edition reads them.
        ChooseTable(viewer, expected.Tables() - 1);
        ExpectGridShows(grid, expected.Table(expected.Tables() - 1), step.source + ", last table");
    }
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(CodePageTest, ListLoadNext_DeclinesWhatItCannotShowAndLeavesTheViewerAsItWas) {
    const UnicodeFolder folder;
    const std::wstring dbf = UnicodeFolder::Copy(WindowsSamplePath("1Cv7.DD"), folder.Path(), L"1Cv7.DD");
    const std::wstring otherFolder = folder.Folder(Wide(u8"Другая ไทย"));
    const std::wstring text = UnicodeFolder::Write(otherFolder, L"notes.txt", "#==TABLE no 1\r\n");
    const std::wstring copyNamedAside = UnicodeFolder::Copy(WindowsSamplePath("1Cv7.DD"), otherFolder, L"1Cv7.DD.bak");
    const std::string asciiText = WriteFile(MakeTempFolder(), "notes.txt", "#==TABLE no 1\r\n");
    const std::wstring tableFree =
        UnicodeFolder::Write(otherFolder, L"empty.DD", "line 1\r\n#==table no 1\r\nno marker in this file\r\n");
    struct Case {
        const char* what;
        std::wstring path;
        bool wide;
        std::wstring box;  // empty for none
    };
    const Case cases[] = {
        {"a text file", text, true, L""},
        {"a text file through the ANSI export", WideAscii(asciiText), false, L""},
        {"a dictionary named aside", copyNamedAside, true, L""},
        {"a dictionary without tables (no table marker: passed over quietly)", tableFree, true, L""},
        {"a missing dictionary", otherFolder + L"missing.DD", true, L"Open error:\rFile not found"},
    };
    auto lister = MakeLister();
    const HWND viewer = lister->LoadW(dbf);
    ASSERT_NE(viewer, nullptr);
    MoveCurrentCell(viewer);
    const Shown before = ShownBy(viewer);
    MessageBoxCatcher boxes;
    for (const Case& c : cases) {
        const std::wstring folderBefore = CurrentFolder();
        const int result = c.wide ? lister->LoadNextW(c.path) : lister->LoadNext(Utf8FromWide(c.path));
        EXPECT_EQ(result, kPluginError) << c.what;
        const auto caught = boxes.Take();
        if (c.box.empty()) {
            EXPECT_TRUE(caught.empty()) << c.what;
            EXPECT_TRUE(SameFolder(CurrentFolder(), folderBefore)) << c.what;  // declined at once
        } else {
            ASSERT_EQ(caught.size(), 1u) << c.what;
            EXPECT_EQ(caught[0].wideText, c.box) << c.what;
            EXPECT_EQ(caught[0].owner, lister->Handle()) << c.what;
        }
        EXPECT_EQ(ShownBy(viewer), before) << c.what;
        EXPECT_EQ(lister->PluginWindow(), viewer);
    }
}

TEST_F(CodePageTest, ListLoadNext_ForAWindowThatIsNoLiveViewer_ReturnsAnErrorAndTouchesNothing) {
    const UnicodeFolder folder;
    const std::wstring dds = UnicodeFolder::Copy(WindowsSamplePath("1Cv7.DDS"), folder.Path(), L"1Cv7.DDS");
    auto lister = MakeLister();
    auto closed = MakeLister();
    const HWND gone = closed->Load(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(gone, nullptr);
    closed->ClosePlugin();
    const HWND windows[] = {nullptr, lister->Handle(), gone, GetDesktopWindow()};
    const std::wstring folderBefore = CurrentFolder();
    MessageBoxCatcher boxes;
    for (const HWND window : windows) {
        EXPECT_EQ(Plugin().LoadNextW(lister->Handle(), window, dds, 0), kPluginError);
        EXPECT_EQ(Plugin().LoadNext(lister->Handle(), window, WindowsSamplePath("1Cv7.DDS"), 0), kPluginError);
    }
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_TRUE(SameFolder(CurrentFolder(), folderBefore));
    EXPECT_EQ(PluginWindowCount(), 0);
}

}  // namespace
}  // namespace dd::test
