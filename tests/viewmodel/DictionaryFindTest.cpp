#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/Error.h"
#include "support/LoadedDictionary.h"
#include "support/ReferenceSearch.h"
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewmodel/DictionaryView.h"

namespace dd {
namespace {

using test::Cp;
using Hits = std::vector<FindPosition>;

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

FindPosition Description(int32_t entry) { return {entry, kDescriptionRow, 0}; }
FindPosition Cell(int32_t entry, int32_t row, int column) { return {entry, row, column}; }

std::string Describe(const std::optional<FindPosition>& position) {
    if (!position) return "nothing";
    if (position->IsDescription()) return "description of " + std::to_string(position->entry);
    return "table " + std::to_string(position->entry) + " row " + std::to_string(position->row) + " column " +
           std::to_string(position->column);
}

std::string Describe(const Hits& hits) {
    std::string text;
    for (const FindPosition& hit : hits) text += Describe(hit) + "; ";
    return text;
}

// Everything a search may change, to tell that a search without a hit changed nothing.
struct ViewState {
    int32_t selected;
    int32_t shown;
    std::vector<std::vector<std::string>> cells;
    GridCell current;
    GridRange selection;
    int32_t topRow;
    bool operator==(const ViewState&) const = default;
};

ViewState StateOf(const DictionaryView& view) {
    ViewState state{view.List().SelectedIndex(), view.ShownEntry(),       {},
                    view.Grid().Current(),       view.Grid().Selection(), view.Grid().TopRow()};
    for (int32_t row = 0; row < view.Grid().RowCount(); ++row) {
        state.cells.emplace_back();
        for (int column = 0; column < kGridColumns; ++column)
            state.cells.back().emplace_back(view.Grid().Cell(column, row));
    }
    return state;
}

GridCell CellOfHit(FindPosition hit) { return hit.IsDescription() ? GridCell{0, 1} : GridCell{hit.column, hit.row}; }

// Selects the table as the user does, finds the first hit from there, then the next ones until there
// is none, checking after each that the view shows the hit as a selection of its table would, and that
// the last, failing search changed nothing. Stops after `limit` hits, so that a search that never ends
// fails instead.
Hits Walk(DictionaryView& view, std::string_view bytes, std::string_view text, int flags, int32_t selected,
          size_t limit) {
    const fuzz::ReferenceDictionary reference = fuzz::ReadReferenceDictionary(bytes);
    view.SelectTable(selected);
    Hits hits;
    std::optional<ViewState> afterLastHit;
    for (auto hit = view.Find(text, flags | kFindFirst); hit; hit = view.Find(text, flags)) {
        hits.push_back(*hit);
        if (hits.size() > limit) {
            ADD_FAILURE() << "the search does not end";
            break;
        }
        SCOPED_TRACE(Describe(hit));
        EXPECT_EQ(view.List().SelectedIndex(), hit->entry);
        EXPECT_EQ(view.ShownEntry(), hit->entry);
        const GridCell cell = CellOfHit(*hit);
        EXPECT_EQ(view.Grid().Current(), cell);
        EXPECT_EQ(view.Grid().Selection(), (GridRange{cell.column, cell.row, cell.column, cell.row}));
        EXPECT_TRUE(view.Grid().IsCurrentHighlighted());
        const auto rows = fuzz::ReferenceTableView(reference, hit->entry, view.IsSqlEdition());
        EXPECT_EQ(view.Grid().RowCount(), static_cast<int32_t>(rows.size()));
        for (size_t row = 0; row < rows.size(); ++row) {
            for (int column = 0; column < kGridColumns; ++column) {
                EXPECT_EQ(view.Grid().Cell(column, static_cast<int32_t>(row)), rows[row][static_cast<size_t>(column)]);
            }
        }
        afterLastHit = StateOf(view);
    }
    if (afterLastHit) {
        EXPECT_TRUE(StateOf(view) == *afterLastHit) << "the search that found nothing changed the view";
    }
    return hits;
}

// The walk from the selected table, in the direction of the flags, is the plain reading's from there.
void ExpectWalkFromTable(DictionaryView& view, std::string_view bytes, std::string_view text, int flags,
                         int32_t selected) {
    const Hits expected =
        test::ReferenceHitsFromTable(test::ReferencePlaces(bytes, view.IsSqlEdition()), text, flags, selected);
    const Hits found = Walk(view, bytes, text, flags, selected, expected.size());
    EXPECT_EQ(found, expected) << "from table " << selected << ((flags & kFindBackwards) ? " backwards" : "")
                               << "\nfound:    " << Describe(found) << "\nexpected: " << Describe(expected);
}

// Every hit: forwards from the first table, backwards from the last.
void ExpectWalksAsTheReference(DictionaryView& view, std::string_view bytes, std::string_view text, int flags) {
    ExpectWalkFromTable(view, bytes, text, flags, 0);
    ExpectWalkFromTable(view, bytes, text, flags | kFindBackwards, view.List().EntryCount() - 1);
}

// Lines that the table view turns into cells the raw lines do not hold: "F=" taken out of the middle
// of parts, a tab inside a part, a table line with "F=" in it, and a table whose fields run on into
// the next table's lines.
std::string TrickyDictionary() {
    return Lines({
        "#AccWare Data Dictionary",
        "#==TABLE no 0",
        "# Name |Descr",
        Cp(u8"T=SC1|Товары Склад|A|SC1.DBF|1"),
        "#-----Fields------- Descr Name Type",
        "# Name |Descr |Type",
        Cp(u8"F=CODE |Код |C |8 |0"),
        "F=AF=B |x F=y|N |1 |0",
        "F=F=Q|one\ttwo|C|1|0",
        "xF=MID|mid|C|1|0",
        "F=W|WORDF=PART|C|1|0",
        "#----Indexes------",
        "I=CODE|Descr|0|CODE|CODE",
        "#",
        "#==TABLE no 1",
        "#",
        Cp(u8"T=SF=1|Цена|A|SF=1.DBF|1"),
        "#",
        "#",
        Cp(u8"F=PRICE|Цена за единицу|N|14|2"),
        "#==TABLE no 2",
        "# Name |Descr",
        Cp(u8"T=SC3|Регистр|A|SC3.DBF|1"),
        "# Fields",
        "# Name",
        Cp(u8"F=SUM|Сумма|N|14|2"),
        "#",
    });
}

// Zero bytes: one in the middle of a field line, and one before the line that the table line of the
// next table is, which table 0 reads on into; the table view trims it away and joins "JOINF=ED".
std::string ZeroByteDictionary() {
    using namespace std::string_literals;
    return Lines({
        "#==TABLE no 0",
        "#",
        "T=T0|zero|A|T0.DBF|1",
        "#",
        "#",
        "F=ZE\0RO|after zero|C|1|0"s,
        "#==TABLE no 1",
        "\0F=JOINF=ED|x|C|1|0"s,
        "T=T1|one|A|T1.DBF|1",
        "#",
    });
}

TEST(DictionaryFind, FindsWhatTheTableViewShowsAsAPlainReadingDoes) {
    const std::string tricky = TrickyDictionary();
    const std::string zeroBytes = ZeroByteDictionary();
    struct Case {
        const std::string& bytes;
        std::string text;
        int flags;
        Hits expected;
    };
    const Case cases[] = {
        {tricky, "AB", 0, {Cell(0, 3, 0)}},  // "AF=B": "F=" taken out joins the text
        {tricky, "ab", kFindWholeWords, {Cell(0, 3, 0)}},
        {tricky, "x y", kFindWholeWords, {Cell(0, 3, 1)}},
        {tricky, "Q", kFindWholeWords | kFindMatchCase, {Cell(0, 4, 0)}},
        {tricky, "two", kFindWholeWords, {Cell(0, 4, 1)}},  // a tab ends a word
        {tricky, "one\ttwo", 0, {Cell(0, 4, 1)}},
        {tricky, "xMID", 0, {Cell(0, 5, 0)}},
        {tricky, "wordpart", kFindWholeWords, {Cell(0, 6, 1)}},
        {tricky, "SF=1", 0, {Cell(1, 1, 0)}},  // the identifier keeps its "F="
        {tricky, "sf", kFindWholeWords, {Cell(1, 1, 0)}},
        {tricky, Cp(u8"цена"), 0, {Description(1), Cell(1, 2, 1)}},
        // Table 1 reads on into table 2's lines: its field is in both grids.
        {tricky, "SUM", 0, {Cell(1, 3, 0), Cell(2, 2, 0)}},
        {tricky, Cp(u8"СУММА"), kFindWholeWords, {Cell(1, 3, 1), Cell(2, 2, 1)}},
        // Comment and index lines hold these, no cell does; nor does row 0 or row 1's wording.
        {tricky, "Name", 0, {}},
        {tricky, "Fields", 0, {}},
        {tricky, "I=CODE", 0, {}},
        {tricky, Cp(u8"Идентификатор"), 0, {}},
        {tricky, Cp(u8"Точность"), 0, {}},
        {tricky, "DBF-", 0, {}},
        {tricky, "F=", 0, {Cell(1, 1, 0)}},
        {tricky, "Descr", 0, {}},
        {tricky, Cp(u8"склад"), kFindMatchCase, {}},
        {tricky, Cp(u8"Склад"), kFindMatchCase, {Description(0)}},
        {zeroBytes, "ZE", kFindWholeWords, {Cell(0, 2, 0)}},
        {zeroBytes, "after", 0, {}},
        {zeroBytes, "JOINED", kFindWholeWords, {Cell(0, 3, 0)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.text << "\" flags " << c.flags);
        const auto loaded = test::LoadBytes(c.bytes);
        ASSERT_FALSE(loaded->error);
        EXPECT_EQ(test::ReferenceHits(test::ReferencePlaces(c.bytes, false), c.text, c.flags), c.expected)
            << "the plain reading disagrees with the case";
        ExpectWalksAsTheReference(loaded->view, c.bytes, c.text, c.flags);
    }
}

// The table view reads at most the 1001 lines below the table line; lines beyond give no cell.
TEST(DictionaryFind, FindsAFieldLineAtTheTableViewsLastLineAndNoneBeyond) {
    std::vector<std::string> lines = {"#==TABLE no 0", "#", "T=T0|d|A|ID0|1"};
    for (int i = 1; i <= 1000; ++i) lines.push_back("# filler");
    lines.push_back("F=FAR|far|C|1|0");
    lines.push_back("F=BEYOND|b|C|1|0");
    const std::string bytes = Lines(lines);
    const auto loaded = test::LoadBytes(bytes);
    EXPECT_EQ(loaded->view.Find("FAR", kFindFirst), Cell(0, 2, 0));
    EXPECT_EQ(loaded->view.Find("BEYOND", kFindFirst), std::nullopt);
    ExpectWalksAsTheReference(loaded->view, bytes, "FAR", 0);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The samples and the real dictionaries, searched for identifiers, parts of descriptions, other letter
// case, whole words, forwards and backwards, each step compared with the plain reading.
TEST(DictionaryFind, FindsInTheSamplesAndRealDictionariesAsAPlainReadingDoes) {
    struct Case {
        std::string text;
        int flags;
    };
    const Case cases[] = {
        {"SP74", 0},      {"sp7", 0},           {"SP7", kFindWholeWords},       {"sc", kFindMatchCase},
        {"SC", 0},        {"descr", 0},         {"id", kFindWholeWords},        {"N", kFindWholeWords | kFindMatchCase},
        {"14", 0},        {Cp(u8"цена"), 0},    {Cp(u8"Цена"), kFindMatchCase}, {Cp(u8"справочник"), kFindWholeWords},
        {Cp(u8"(P)"), 0}, {Cp(u8"ПРОДАЖИ"), 0}, {Cp(u8"Идентификатор"), 0},     {"no such text", 0},
    };
    std::vector<std::string> paths = {test::SamplePath("1Cv7.DD"), test::SamplePath("1Cv7.DDS")};
    if (test::RealDictionariesPresent()) {
        paths.push_back(test::RealDictionaryPath("artamir__tks__1Cv7.DD"));
        paths.push_back(test::RealDictionaryPath("nasta-sap__cats__1Cv7.DD"));
    }
    int searchesWithHits = 0;
    for (const std::string& path : paths) {
        const std::string bytes = ReadFile(path);
        DictionaryView view;
        view.Open(path);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << path << ": \"" << c.text << "\" flags " << c.flags);
            ExpectWalksAsTheReference(view, bytes, c.text, c.flags);
            searchesWithHits +=
                !test::ReferenceHits(test::ReferencePlaces(bytes, view.IsSqlEdition()), c.text, c.flags).empty();
        }
    }
    EXPECT_GE(searchesWithHits, 12 * 2);  // the cases find something in every dictionary
}

// F7 searches from the table the user has selected, its description first (backwards from its last
// cell), as from the first line shown; the walks from tables in the middle and at the ends of the samples
// and the real dictionaries, compared with the plain reading.
TEST(DictionaryFind, FindsFromTheStartOfTheSelectedTableAsAPlainReadingDoes) {
    const std::string texts[] = {"SP7", "sc", Cp(u8"цена"), Cp(u8"справочник"), "N", "14"};
    std::vector<std::string> paths = {test::SamplePath("1Cv7.DD"), test::SamplePath("1Cv7.DDS")};
    if (test::RealDictionariesPresent()) {
        paths.push_back(test::RealDictionaryPath("artamir__tks__1Cv7.DD"));
        paths.push_back(test::RealDictionaryPath("nasta-sap__cats__1Cv7.DD"));
    }
    for (const std::string& path : paths) {
        const std::string bytes = ReadFile(path);
        DictionaryView view;
        view.Open(path);
        const int32_t last = view.List().EntryCount() - 1;
        ASSERT_GT(last, 3) << path;
        for (const int32_t selected : {1, last / 2, last - 1, last}) {
            for (const std::string& text : texts) {
                for (const int flags : {0, kFindBackwards, kFindWholeWords}) {
                    SCOPED_TRACE(testing::Message() << path << ": \"" << text << "\" flags " << flags);
                    ExpectWalkFromTable(view, bytes, text, flags, selected);
                }
            }
        }
    }
}

// Three tables holding "x" at known places; table 1's description and identifier both hold it.
std::string ThreeTables() {
    return Lines({
        "#==TABLE no 0",
        "#",
        "T=T0|alpha X|A|ID0|1",
        "#",
        "#",
        "F=F0X|zero|C|1|0",
        "F=F1|one X x X|C|1|0",
        "#",
        "#==TABLE no 1",
        "#",
        "T=T1|beta X|A|IDX1|1",
        "#",
        "#",
        "F=G0|g X|C|1|0",
        "#",
        "#==TABLE no 2",
        "#",
        "T=T2|gamma X|A|ID2|1",
        "#",
        "#",
        "F=H0|h|C|1|0",
        "#",
    });
}

const Hits kThreeTablesHits = {Description(0), Cell(0, 2, 0), Cell(0, 3, 1), Description(1),
                               Cell(1, 1, 0),  Cell(1, 2, 1), Description(2)};

TEST(DictionaryFind, StartsWhereTheLastHitOrTheUsersSelectionLeftOff) {
    ASSERT_EQ(test::ReferenceHits(test::ReferencePlaces(ThreeTables(), false), "x", 0), kThreeTablesHits);
    using Setup = std::function<void(DictionaryView&)>;
    auto hit = [](FindPosition position) {
        return [position](DictionaryView& view) {
            for (auto found = view.Find("x", kFindFirst); found != position; found = view.Find("x", 0)) {
                ASSERT_TRUE(found.has_value());
            }
        };
    };
    auto then = [](Setup first, Setup second) {
        return [first, second](DictionaryView& view) {
            first(view);
            second(view);
        };
    };
    auto select = [](int32_t entry) { return [entry](DictionaryView& view) { view.SelectTable(entry); }; };
    auto current = [](GridCell cell) { return [cell](DictionaryView& view) { view.Grid().SetCurrent(cell); }; };
    struct Case {
        const char* name;
        Setup setup;
        int flags;
        std::optional<FindPosition> expected;
    };
    const Case cases[] = {
        {"find first: the selected table's description", select(2), kFindFirst, Description(2)},
        {"find first: the first table's description", select(0), kFindFirst, Description(0)},
        {"find first backwards: from the selected table's last cell", select(1), kFindFirst | kFindBackwards,
         Cell(1, 2, 1)},
        {"find first backwards: from the first table's last cell", select(0), kFindFirst | kFindBackwards,
         Cell(0, 3, 1)},
        {"find first backwards: from the last table's last cell", select(2), kFindFirst | kFindBackwards,
         Description(2)},
        {"find first after a move within the table: its description still", then(select(1), current({1, 2})),
         kFindFirst, Description(1)},
        {"find first after a hit: the hit's table from its description", hit(Cell(1, 2, 1)), kFindFirst,
         Description(1)},
        {"find first after a hit, backwards: the hit's table from its last cell", hit(Cell(0, 2, 0)),
         kFindFirst | kFindBackwards, Cell(0, 3, 1)},
        {"find first with no table selected: the first table's description",
         [](DictionaryView& view) { EXPECT_THROW(view.SelectTable(-1), Error); }, kFindFirst, Description(0)},
        {"find first backwards with no table selected: the last table's last cell",
         [](DictionaryView& view) { EXPECT_THROW(view.SelectTable(-1), Error); }, kFindFirst | kFindBackwards,
         Description(2)},
        {"after a hit", hit(Cell(0, 2, 0)), 0, Cell(0, 3, 1)},
        {"before a hit", hit(Cell(0, 2, 0)), kFindBackwards, Description(0)},
        {"after a description: its table's identifier", hit(Description(1)), 0, Cell(1, 1, 0)},
        {"before the identifier: its table's description", hit(Cell(1, 1, 0)), kFindBackwards, Description(1)},
        {"a description hit, the same cell clicked again", then(hit(Description(1)), current({0, 1})), 0,
         Cell(1, 1, 0)},
        {"a description hit, the selection widened from the same current cell",
         then(hit(Description(1)),
              [](DictionaryView& view) {
                  view.Grid().SetCurrent({2, 2});
                  view.Grid().SetCurrent({0, 1}, true);
              }),
         0, Cell(1, 2, 1)},
        {"another cell chosen: after it", then(hit(Cell(0, 2, 0)), current({2, 3})), 0, Description(1)},
        {"another cell chosen: before it", then(hit(Cell(0, 3, 1)), current({4, 2})), kFindBackwards, Cell(0, 2, 0)},
        {"a table chosen: after its row 0", then(hit(Cell(0, 2, 0)), select(1)), 0, Cell(1, 1, 0)},
        {"a table chosen: before its row 0 is its description", then(hit(Cell(0, 2, 0)), select(1)), kFindBackwards,
         Description(1)},
        {"the same table chosen again", then(hit(Cell(1, 2, 1)), select(1)), 0, Cell(1, 1, 0)},
        {"row 1's wording: after it the field rows", then(select(1), current({1, 1})), 0, Cell(1, 2, 1)},
        {"row 1's wording: before it the identifier", then(select(1), current({1, 1})), kFindBackwards, Cell(1, 1, 0)},
        {"no wrap-around forwards", hit(Description(2)), 0, std::nullopt},
        {"row 0 backwards: its table's description", then(select(1), current({3, 0})), kFindBackwards, Description(1)},
        {"no wrap-around backwards from the first place", hit(Description(0)), kFindBackwards, std::nullopt},
        {"no table shown: from the start", [](DictionaryView& view) { EXPECT_THROW(view.SelectTable(-1), Error); }, 0,
         Description(0)},
        {"no table shown: from the end backwards",
         [](DictionaryView& view) { EXPECT_THROW(view.SelectTable(-1), Error); }, kFindBackwards, Description(2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto loaded = test::LoadBytes(ThreeTables());
        c.setup(loaded->view);
        const std::optional<FindPosition> found = loaded->view.Find("X", c.flags);
        EXPECT_EQ(found, c.expected) << Describe(found);
    }
}

// A search from the start never wraps around: a text only in the tables before the selected one (after
// it, backwards) is not found, and the view stays as it was.
TEST(DictionaryFind, FromTheStartFindsNothingThatOnlyTheTablesBeforeTheSelectedOneHold) {
    struct Case {
        int32_t selected;
        const char* text;
        int flags;
    };
    const Case cases[] = {{2, "alpha", 0}, {1, "F0X", 0}, {0, "beta", kFindBackwards}, {1, "gamma", kFindBackwards}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " from table " << c.selected);
        const auto loaded = test::LoadBytes(ThreeTables());
        loaded->view.SelectTable(c.selected);
        const ViewState before = StateOf(loaded->view);
        EXPECT_EQ(loaded->view.Find(c.text, c.flags | kFindFirst), std::nullopt);
        EXPECT_TRUE(StateOf(loaded->view) == before);
        // From the first table (backwards: the last) it is there.
        loaded->view.SelectTable(c.flags & kFindBackwards ? 2 : 0);
        EXPECT_TRUE(loaded->view.Find(c.text, c.flags | kFindFirst).has_value());
    }
}

TEST(DictionaryFind, AHitShowsItsTableAsTheUsersSelectionDoes) {
    const auto loaded = test::LoadBytes(ThreeTables());
    DictionaryView& view = loaded->view;
    view.Grid().SetCurrent({3, 2});
    view.Grid().SetTopRow(2);
    ASSERT_EQ(view.Find("g x", kFindFirst), Cell(1, 2, 1));
    const auto selected = test::LoadBytes(ThreeTables());
    selected->view.Grid().SetCurrent({3, 2});
    selected->view.Grid().SetTopRow(2);
    selected->view.SelectTable(1);
    selected->view.Grid().SetCurrent({1, 2});
    EXPECT_TRUE(StateOf(view) == StateOf(selected->view));
    // But the hit stands out until the user moves.
    EXPECT_TRUE(view.Grid().IsCurrentHighlighted());
    EXPECT_FALSE(selected->view.Grid().IsCurrentHighlighted());

    ASSERT_EQ(view.Find("beta", kFindFirst), Description(1));
    EXPECT_EQ(view.Grid().Current(), (GridCell{0, 1}));
    EXPECT_EQ(view.Grid().Selection(), (GridRange{0, 1, 0, 1}));
    EXPECT_TRUE(view.Grid().IsCurrentHighlighted());
    view.Grid().SetCurrent({0, 2});
    EXPECT_FALSE(view.Grid().IsCurrentHighlighted());
}

TEST(DictionaryFind, ASearchWithoutHitChangesNothing) {
    const auto loaded = test::LoadBytes(ThreeTables());
    DictionaryView& view = loaded->view;
    ASSERT_EQ(view.Find("x", kFindFirst), Description(0));
    ASSERT_EQ(view.Find("x", 0), Cell(0, 2, 0));
    view.Grid().SetTopRow(1);
    const ViewState before = StateOf(view);
    struct Case {
        const char* name;
        std::string text;
        int flags;
    };
    const Case cases[] = {
        {"nowhere", "nowhere", 0},
        {"nowhere, from the start", "nowhere", kFindFirst},
        {"nowhere backwards", "nowhere", kFindBackwards | kFindFirst},
        {"only before the last hit", "alpha", 0},
        {"only as a part of a word", "alph", kFindWholeWords | kFindFirst},
        {"only in other letter case", "ALPHA", kFindMatchCase | kFindFirst},
        {"an empty text", "", kFindFirst},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(view.Find(c.text, c.flags), std::nullopt);
        EXPECT_TRUE(StateOf(view) == before);
        EXPECT_TRUE(view.Grid().IsCurrentHighlighted());  // the last hit still stands out
    }
    // The last hit is still where the next search starts.
    EXPECT_EQ(view.Find("x", 0), Cell(0, 3, 1));
}

TEST(DictionaryFind, ACellIsOneHitHoweverOftenItHoldsTheText) {
    const auto loaded = test::LoadBytes(ThreeTables());
    ASSERT_EQ(loaded->view.Find("x", kFindFirst | kFindMatchCase), Cell(0, 3, 1));  // "one X x X"
    EXPECT_EQ(loaded->view.Find("x", kFindMatchCase), std::nullopt);
}

}  // namespace
}  // namespace dd
