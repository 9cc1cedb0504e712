#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileReading.h"
#include "support/DbfBuilder.h"
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewmodel/SearchPattern.h"
#include "viewmodel/TableCells.h"
#include "viewmodel/TableSearch.h"

namespace dd {
namespace {

using test::Cp;

// Every cell looked at in reading order, shown as the grid shows it: the reading the fast search must equal.
std::optional<TablePlace> CellByCell(const DbfTable& table, const SearchPattern& pattern, TablePlace from,
                                     bool backwards) {
    std::vector<char> buffer;
    std::string scratch;
    std::optional<TablePlace> found;
    for (uint64_t row = 0; row < table.RowCount(); ++row) {
        const DbfRows one = table.ReadRows(row, 1, buffer);
        for (size_t column = 0; column < table.Columns().size(); ++column) {
            const TablePlace place{row, column};
            if (!pattern.FoundIn(ShownValue(one[0].Value(column), scratch).text)) continue;
            if (!backwards && place >= from) return place;
            if (backwards && place <= from) found = place;
        }
    }
    return found;
}

std::string Table() {
    test::DbfBuilder table;
    table.Field("ID", 'C', 9).Field("NAME", 'C', 12).Field("SUM", 'N', 8, 2).Field("DAY", 'D', 8).Field("OK", 'L', 1);
    // A control character inside a text (a TAB, a zero byte) shows as a space.
    const std::string names[] = {
        Cp(u8"Alpha"), Cp(u8"beta 15"), Cp(u8"GAMMA"),      Cp(u8"Дельта"),    Cp(u8"alphabet"),
        Cp(u8"15.03"), Cp(u8""),        Cp(u8"ALPHA BETA"), Cp(u8"один\tдва"), std::string("nul\0byte", 8)};
    for (int i = 0; i < 40; ++i) {
        table.Row({std::to_string(i), names[i % std::size(names)], std::to_string(i * 7 % 50) + ".5",
                   i % 5 == 0 ? "" : "2024031" + std::to_string(i % 10), i % 3 == 0 ? "T" : "F"},
                  i % 7 == 3);
    }
    return table.Bytes();
}

// The search finds what a reading of every shown cell finds, from every place, both ways, with every option, and
// at run sizes from one record up: a hit in a date (15.03), across two fields' bytes (no hit), in a deleted row, a
// space that is a control character in the file.
TEST(SearchTable, FindsWhatACellByCellReadingFinds) {
    const std::string bytes = Table();
    const DbfTable table(std::make_unique<MemoryRandomAccessSource>(bytes));
    struct Case {
        std::string text;
        bool matchCase, wholeWords;
    };
    const Case cases[] = {{"alpha", false, false},
                          {"alpha", false, true},
                          {"Alpha", true, false},
                          {"15", false, false},
                          {"15.03", false, false},
                          {"03.2024", false, false},
                          {"5.5", false, false},
                          {"TRUE", false, false},
                          {Cp(u8"дельта"), false, false},
                          {"a15", false, false},
                          {"ta 1", false, false},
                          {"zzz", false, false},
                          {Cp(u8"один два"), false, false},
                          {Cp(u8"ин дв"), true, false},
                          {"nul byte", false, true},
                          {"l b", false, false}};
    for (const Case& c : cases) {
        const SearchPattern pattern(c.text, c.matchCase, c.wholeWords);
        for (const size_t run : {size_t{1}, size_t{100}, kTableSearchRun}) {
            for (uint64_t row = 0; row <= table.RowCount(); row += 3) {
                for (const size_t column : {size_t{0}, size_t{2}, size_t{4}}) {
                    const TablePlace from{row, column};
                    for (const bool backwards : {false, true}) {
                        EXPECT_EQ(SearchTable(table, pattern, from, backwards, run),
                                  CellByCell(table, pattern, from, backwards))
                            << c.text << " from " << row << "," << column << (backwards ? " backwards" : "") << " run "
                            << run;
                    }
                }
            }
        }
    }
}

TEST(SearchTable, SearchesTheSampleBase) {
    const auto table = std::make_unique<DbfTable>(OpenRandomAccessFile(test::SamplePath("base/SC167.DBF")));
    const SearchPattern pattern(Cp(u8"ромашка"), false, false);
    const SearchPattern quote(Cp(u8"\"Вектор"), false, false);
    const auto hit = SearchTable(*table, quote, {0, 0}, false);
    ASSERT_TRUE(hit);
    EXPECT_EQ(*hit, CellByCell(*table, quote, {0, 0}, false));
    EXPECT_EQ(SearchTable(*table, pattern, {0, 0}, false), CellByCell(*table, pattern, {0, 0}, false));
}

}  // namespace
}  // namespace dd
