// The Lister's search through the exports, as the Lister calls them for its find dialog and F3: each
// hit compared with a plain reading of the rules (support/ReferenceSearch.h) over the byte-by-byte
// reading of the file, by what the host can see of the viewer: the list's selection, the grid's
// current cell, selection and scrolling, and the current cell's text as lc_copy puts it on the clipboard.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <ostream>

#include "outputs/ClipboardText.h"
#include "support/ReferenceSearch.h"
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewer/GridMessages.h"
#include "windows/host/PluginCommands.h"
#include "windows/support/OutputTestSupport.h"

namespace dd::test {
namespace {

using Hits = std::vector<FindPosition>;

enum class Form { Wide, Ansi };

// The Latin and Cyrillic letters of Windows-1251 in the other case.
std::string SwapCase(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte >= 0xC0)
            c = static_cast<char>(byte ^ 0x20);
        else if (byte == 0xA8 || byte == 0xB8)  // Ё, ё
            c = static_cast<char>(byte ^ 0x10);
    }
    return text;
}

std::string Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string Describe(FindPosition position) {
    return "table " + std::to_string(position.entry) +
           (position.IsDescription()
                ? std::string(" description")
                : " row " + std::to_string(position.row) + " column " + std::to_string(position.column));
}

// What the host sees of the viewer.
struct Shown {
    int entry = 0;
    int column = 0;
    int row = 0;
    RECT selection{};
    std::wstring copied;  // the current cell, as lc_copy puts it on the clipboard (CF_UNICODETEXT)
    bool operator==(const Shown& other) const {
        return entry == other.entry && column == other.column && row == other.row && selection == other.selection &&
               copied == other.copied;
    }
};

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << "entry " << shown.entry << ", cell " << shown.column << "," << shown.row << ", selection ";
    ::PrintTo(shown.selection, out);
    *out << ", " << shown.copied.size() << " characters copied";
}

// The table chosen before a search from the start: the first forwards, the last backwards, so that the
// walk meets every hit.
constexpr int kWholeDictionary = -1;

struct SearchCase {
    std::string name;
    std::string text;  // Windows-1251
    int flags;
    Form form;
    int table = kWholeDictionary;  // the table chosen in the list before F7
};

class SearchTest : public PluginTest {
protected:
    void Open(const std::string& path) {
        opened_ = OpenPath(path);
        ASSERT_NE(viewer_, nullptr) << path;
        commands_ = std::make_unique<host::PluginCommands>(Plugin());
        const std::optional<std::string> bytes = ReadWholeFile(path);
        ASSERT_TRUE(bytes) << path;
        const bool isSql = path.size() >= 4 && path.substr(path.size() - 4) == ".DDS";
        places_ = ReferencePlaces(*bytes, isSql);
        texts_.clear();
        for (const ReferencePlace& place : places_) texts_[place.position] = place.text;
    }

    int Search(const std::string& text, int flags, Form form) const {
        if (form == Form::Ansi) return commands_->SearchText(viewer_, text, flags);
        return commands_->SearchTextW(viewer_, Utf16FromCp1251(text), flags);
    }

    RECT Selection() const {
        RECT range{};
        SendMessageA(grid_, grid::kGetSelection, 0, reinterpret_cast<LPARAM>(&range));
        return range;
    }

    Shown Now() const {
        EXPECT_EQ(Plugin().SendCommand(viewer_, host::kCopyCommand), host::kPluginOk);
        const GridState grid = ReadGrid(grid_);
        return {ListSelection(list_), grid.currentColumn, grid.currentRow, Selection(),
                ReadClipboard().unicode.value_or(L"")};
    }

    // What a hit must show: its table, its cell (row 1's identifier for a description) alone selected.
    Shown ShownFor(FindPosition hit) const {
        const GridCell cell = hit.IsDescription() ? GridCell{0, 1} : GridCell{hit.column, hit.row};
        const std::string& text = texts_.at({hit.entry, cell.row, cell.column});
        return {hit.entry, cell.column, cell.row, RECT{cell.column, cell.row, cell.column, cell.row},
                Utf16FromCp1251(std::string(UpToFirstZeroByte(text)))};
    }

    // The current cell stands whole in the grid's client area (the grid has no fixed rows).
    bool CurrentRowInView() const {
        const int top = static_cast<int>(SendMessageA(grid_, grid::kGetTopRow, 0, 0));
        const int row = ReadGrid(grid_).currentRow;
        RECT client{};
        GetClientRect(grid_, &client);
        return row >= top && (row - top + 1) * kRowPitch <= client.bottom;
    }

    // Chooses the case's table, finds the first hit from there as F7 does and then the next ones, as F3
    // does, until there is none: each hit must show as the reference says, and the last, failing search
    // must change nothing.
    size_t Walk(const SearchCase& c) {
        SCOPED_TRACE(c.name);
        const int tables = places_.back().position.entry + 1;
        const int table = c.table != kWholeDictionary ? c.table : (c.flags & kFindBackwards) != 0 ? tables - 1 : 0;
        ChooseTable(viewer_, table);
        const Hits expected = ReferenceHitsFromTable(places_, c.text, c.flags, table);
        MessageBoxCatcher boxes;
        Shown before = Now();
        for (size_t i = 0; i <= expected.size(); ++i) {
            const int result = Search(c.text, i == 0 ? c.flags | kFindFirst : c.flags, c.form);
            if (i == expected.size()) {
                EXPECT_EQ(result, host::kPluginError) << "a hit beyond the reference's " << expected.size();
                EXPECT_EQ(Now(), before) << "a search without a hit changed the view";
                break;
            }
            EXPECT_EQ(result, host::kPluginOk)
                << "hit " << i << " of " << expected.size() << ": " << Describe(expected[i]) << " not found";
            before = Now();
            EXPECT_EQ(before, ShownFor(expected[i])) << "hit " << i << ": " << Describe(expected[i]);
            if (result != host::kPluginOk || before != ShownFor(expected[i])) return expected.size();
            EXPECT_TRUE(CurrentRowInView()) << "hit " << i << ": " << Describe(expected[i]);
        }
        EXPECT_TRUE(boxes.Take().empty());
        return expected.size();
    }

    // Texts taken from the dictionary: identifiers of tables and fields, words of descriptions, the
    // last field of the largest table (which needs scrolling), in the forms and with the flags a user
    // would try.
    std::vector<SearchCase> CasesFromTheDictionary() const {
        const int32_t tables = places_.back().position.entry + 1;
        const int32_t middle = tables / 2;
        const std::string identifier = Trimmed(texts_.at({middle, 1, 0}));
        std::string field;
        for (int32_t entry = middle; entry < tables && field.empty(); ++entry) {
            if (texts_.count({entry, 2, 0}) != 0) field = Trimmed(texts_.at({entry, 2, 0}));
        }
        std::string word;  // the longest word of a description
        for (int32_t entry = tables / 3; entry < tables && word.size() < 4; ++entry) {
            const std::string& description = texts_.at({entry, kDescriptionRow, 0});
            for (size_t at = 0; at < description.size();) {
                const size_t end = std::min(description.find(' ', at), description.size());
                if (end - at > word.size()) word = description.substr(at, end - at);
                at = end + 1;
            }
        }
        FindPosition last{0, 0, 0};
        for (const ReferencePlace& place : places_) {
            if (place.position.row > last.row) last = place.position;
        }
        const std::string lastField = Trimmed(texts_.at({last.entry, last.row, 0}));
        return {
            {"a table's identifier", identifier, 0, Form::Wide},
            {"the identifier in the other case", SwapCase(identifier), 0, Form::Wide},
            {"the identifier in the other case, case matching", SwapCase(identifier), kFindMatchCase, Form::Wide},
            {"a field's identifier as a whole word", field, kFindWholeWords, Form::Wide},
            {"a field's identifier backwards", field, kFindBackwards, Form::Wide},
            {"a field's identifier, ANSI", field, 0, Form::Ansi},
            {"a description's word in the other case, whole words", SwapCase(word), kFindWholeWords, Form::Wide},
            {"a part of a description's word, ANSI", word.substr(1, 3), 0, Form::Ansi},
            {"a description's word, case matching, backwards", word, kFindMatchCase | kFindBackwards, Form::Ansi},
            {"the last field of the largest table", lastField, kFindWholeWords | kFindMatchCase, Form::Wide},
            {"descriptions one a prefix of another", Cp(u8"регистр продажи"), 0, Form::Wide},
            // From the table the user chose: its description first, or backwards its last cell.
            {"a table's identifier from its own table", identifier, 0, Form::Wide, middle},
            {"a description's word from a third of the way", word, 0, Form::Wide, tables / 3},
            {"a field's identifier backwards from the middle", field, kFindBackwards, Form::Wide, middle},
            {"a part of a description's word backwards from the last but one", word.substr(1, 3), kFindBackwards,
             Form::Ansi, tables - 2},
        };
    }

    static constexpr int kRowPitch = 19;  // an 18-pixel row and its grid line

    OpenedViewer opened_;
    std::unique_ptr<host::ListerWindow>& lister_ = opened_.lister;
    HWND& viewer_ = opened_.viewer;
    HWND& list_ = opened_.list;
    HWND& grid_ = opened_.grid;
    std::unique_ptr<host::PluginCommands> commands_;
    std::vector<ReferencePlace> places_;
    std::map<FindPosition, std::string> texts_;
};

std::vector<std::string> DictionariesToSearch() {
    std::vector<std::string> paths = {WindowsSamplePath("1Cv7.DD"), WindowsSamplePath("1Cv7.DDS")};
    if (RealDictionariesPresent()) {
        for (const auto& entry : std::filesystem::directory_iterator(std::string(DD_REAL_DICTIONARIES_DIR))) {
            if (entry.path().extension() == ".DD")
                paths.push_back(RealDictionaryPath(entry.path().filename().string()));
        }
    }
    return paths;
}

TEST_F(SearchTest, EveryHitOfTextsFromTheDictionariesIsShownInTheReferencesOrderUntilThereIsNoMore) {
    ASSERT_EQ(GetACP(), 1251u) << "the ANSI form is tried with Windows-1251 texts";
    if (!RealDictionariesPresent()) std::cout << "no real dictionaries here: the samples alone are searched\n";
    for (const std::string& path : DictionariesToSearch()) {
        SCOPED_TRACE(path);
        Open(path);
        if (HasFatalFailure()) return;
        size_t hits = 0;
        for (const SearchCase& c : CasesFromTheDictionary()) hits += Walk(c);
        EXPECT_GE(hits, 20u) << "too few hits to tell much";
        std::cout << path << ": " << hits << " hits\n";
        lister_->ClosePlugin();
    }
}

TEST_F(SearchTest, ASearchWithoutAHitChangesNothingAndShowsNoBox) {
    Open(WindowsSamplePath("1Cv7.DD"));
    ChooseTable(viewer_, 6);
    SetFocus(grid_);
    for (int i = 0; i < 40; ++i) PressKey(grid_, VK_DOWN);
    PressKey(grid_, VK_RIGHT);
    const int topRow = static_cast<int>(SendMessageA(grid_, grid::kGetTopRow, 0, 0));
    const Shown before = Now();
    ASSERT_EQ(before.entry, 6);
    MessageBoxCatcher boxes;
    struct Case {
        const char* name;
        std::wstring text;
        int flags;
    };
    const Case cases[] = {
        {"a text in no table", L"no such text anywhere", kFindFirst},
        {"a text in no table, find next", L"no such text anywhere", 0},
        {"a text that Windows-1251 cannot hold", L"SP74\x03A9", kFindFirst},
        {"Windows-1251 cannot hold it, though the rest is everywhere", L"\x03A9", 0},
        {"an empty text", L"", kFindFirst},
        {"only the case differs, case matching", L"sp74", kFindFirst | kFindMatchCase},
        {"only a part of a word, whole words", L"SP7", kFindFirst | kFindWholeWords},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(commands_->SearchTextW(viewer_, c.text, c.flags), host::kPluginError) << c.name;
        EXPECT_EQ(Now(), before) << c.name;
        EXPECT_EQ(SendMessageA(grid_, grid::kGetTopRow, 0, 0), topRow) << c.name;
    }
    EXPECT_EQ(commands_->SearchText(viewer_, "no such text anywhere", kFindFirst), host::kPluginError);
    EXPECT_EQ(Now(), before);
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(GetFocus(), grid_);
}

// F7 searches from the table chosen in the list, as from the first line shown: its description is the
// first place looked at, its identifier the next; backwards its last cell is the first.
TEST_F(SearchTest, FindFromTheStartBeginsAtTheChosenTable) {
    for (const std::string& path : DictionariesToSearch()) {
        SCOPED_TRACE(path);
        Open(path);
        if (HasFatalFailure()) return;
        const int tables = places_.back().position.entry + 1;
        for (const int table : {1, tables / 2, tables - 1}) {
            const std::string description = texts_.at({table, kDescriptionRow, 0});
            const std::string identifier = Trimmed(texts_.at({table, 1, 0}));
            struct Case {
                std::string text;
                int flags;
            };
            for (const Case& c : {Case{description, 0}, Case{identifier, 0}, Case{identifier, kFindBackwards},
                                  Case{description, kFindBackwards}}) {
                ChooseTable(viewer_, table);
                const Hits expected = ReferenceHitsFromTable(places_, c.text, c.flags, table);
                ASSERT_FALSE(expected.empty());
                EXPECT_EQ(expected.front().entry, table) << c.text;
                ASSERT_EQ(Search(c.text, c.flags | kFindFirst, Form::Wide), host::kPluginOk) << c.text;
                EXPECT_EQ(Now(), ShownFor(expected.front()))
                    << "table " << table << ": " << c.text << " flags " << c.flags;
            }
        }
        lister_->ClosePlugin();
    }
}

// A hit stands out while the grid has the focus: it is drawn in the selection's colours, where the cell
// the user moves to has the plain ground and the focus rectangle, until the user moves.
TEST_F(SearchTest, AHitIsDrawnSelectedWhileTheGridHasTheFocusUntilTheUserMoves) {
    Open(WindowsSamplePath("1Cv7.DD"));
    SetFocus(grid_);
    // A pixel of the current cell's ground, inside its focus rectangle and left of its text.
    const auto groundOfCurrent = [&] {
        const GridState state = ReadGrid(grid_);
        const int top = static_cast<int>(SendMessageA(grid_, grid::kGetTopRow, 0, 0));
        const int x = GridColumnLeft(state.widths, state.currentColumn, ScrollBarOf(grid_, SB_HORZ).nPos) + 1;
        return ClientPicture(grid_).At(x, (state.currentRow - top) * kRowPitch + 1);
    };
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF plain = GetSysColor(COLOR_WINDOW);
    for (const int flags : {kFindFirst, 0, kFindBackwards}) {
        ASSERT_EQ(Search("SP7", flags, Form::Wide), host::kPluginOk) << flags;
        ASSERT_EQ(GetFocus(), grid_);
        EXPECT_EQ(groundOfCurrent(), highlight) << "the hit, flags " << flags;
        SetFocus(list_);
        SetFocus(grid_);
        EXPECT_EQ(groundOfCurrent(), highlight) << "the hit, the focus back in the grid, flags " << flags;
    }
    const GridState hit = ReadGrid(grid_);
    PressKey(grid_, VK_DOWN);
    EXPECT_EQ(groundOfCurrent(), plain) << "moved";
    PressKey(grid_, VK_UP);
    ASSERT_EQ(ReadGrid(grid_).currentRow, hit.currentRow);
    EXPECT_EQ(groundOfCurrent(), plain) << "back on the hit's cell";
}

// Once the user has moved, the next search goes on from where the current cell stands, not from the
// last hit; after a hit it goes on from the hit.
TEST_F(SearchTest, FindNextGoesOnFromTheCellTheUserMovedTo) {
    Open(WindowsSamplePath("1Cv7.DD"));
    const std::string text = "SP";
    const Hits hits = ReferenceHits(places_, text, 0);
    ASSERT_GE(hits.size(), 10u);
    struct Case {
        const char* name;
        int table;
        int rowsDown;
        int flags;
    };
    const Case cases[] = {
        {"forwards from a field row", 6, 5, 0},
        {"forwards from the captions", 3, 0, 0},
        {"backwards from a field row", 6, 5, kFindBackwards},
        {"backwards from the captions, the description counting before them", 6, 0, kFindBackwards},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Search(text, kFindFirst, Form::Wide), host::kPluginOk);
        ChooseTable(viewer_, c.table);
        for (int i = 0; i < c.rowsDown; ++i) PressKey(grid_, VK_DOWN);
        const GridState grid = ReadGrid(grid_);
        const FindPosition from{c.table, grid.currentRow, grid.currentColumn};
        const bool backwards = (c.flags & kFindBackwards) != 0;
        std::optional<FindPosition> expected;
        if (backwards) {
            for (auto hit = hits.rbegin(); hit != hits.rend() && !expected; ++hit)
                if (*hit < from) expected = *hit;
        } else {
            for (const FindPosition& hit : hits)
                if (from < hit && !expected) expected = hit;
        }
        ASSERT_TRUE(expected);
        ASSERT_EQ(Search(text, c.flags, Form::Wide), host::kPluginOk);
        EXPECT_EQ(Now(), ShownFor(*expected)) << Describe(*expected);
        // And from that hit on, the one after it.
        const auto at = std::find(hits.begin(), hits.end(), *expected);
        ASSERT_TRUE(at != hits.end() && (backwards ? at != hits.begin() : at + 1 != hits.end()));
        const FindPosition following = backwards ? *(at - 1) : *(at + 1);
        ASSERT_EQ(Search(text, c.flags, Form::Wide), host::kPluginOk);
        EXPECT_EQ(Now(), ShownFor(following)) << Describe(following);
    }
}

}  // namespace
}  // namespace dd::test
