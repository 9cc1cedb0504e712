#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "outputs/ExportText.h"
#include "support/OutputTestGrids.h"

namespace dd {
namespace {

using test::GridRow;
using test::MakeGrid;

std::string Spaces(size_t count) { return std::string(count, ' '); }

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (std::string_view part : parts) joined.append(part);
    return joined;
}

// The worked example's six lines in Windows-1251, each followed by CR LF.
const std::string kWorkedExampleFile =
    // SQL-таблица объекта Товары
    "SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 \xD2\xEE\xE2\xE0\xF0\xFB\r\n"
    // Идентификатор таблицы: SC12
    "\xC8\xE4\xE5\xED\xF2\xE8\xF4\xE8\xEA\xE0\xF2\xEE\xF0 \xF2\xE0\xE1\xEB\xE8\xF6\xFB: SC12\r\n"
    // Поля: (with its trailing space)
    "\xCF\xEE\xEB\xFF: \r\n"
    // Идентификатор··Описание·················Тип··Длина··Точность
    "\xC8\xE4\xE5\xED\xF2\xE8\xF4\xE8\xEA\xE0\xF2\xEE\xF0  \xCE\xEF\xE8\xF1\xE0\xED\xE8\xE5                 "
    "\xD2\xE8\xEF  \xC4\xEB\xE8\xED\xE0  \xD2\xEE\xF7\xED\xEE\xF1\xF2\xFC\r\n"
    // CODE···········Код······················C····8······0
    "CODE           \xCA\xEE\xE4                      C    8      0\r\n"
    // PRICE··········Цена·за·единицу··········N····14·····2
    "PRICE          \xD6\xE5\xED\xE0 \xE7\xE0 \xE5\xE4\xE8\xED\xE8\xF6\xF3          N    14     2\r\n";

TEST(ExportFileBytes, WritesTheWorkedExampleByteForByte) {
    ASSERT_EQ(kWorkedExampleFile.size(), 237u);
    EXPECT_EQ(ExportFileBytes(true, test::kGoods, test::WorkedExampleGrid()), kWorkedExampleFile);
}

TEST(ExportLines, AreTheFileLinesWithoutLineEnds) {
    const std::vector<std::string> lines = ExportLines(true, test::kGoods, test::WorkedExampleGrid());
    const std::vector<size_t> lengths = {26, 27, 6, 60, 53, 53};
    ASSERT_EQ(lines.size(), lengths.size());
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), lengths[i]) << "line " << i + 1;
        joined += lines[i] + "\r\n";
    }
    EXPECT_EQ(joined, kWorkedExampleFile);
}

TEST(ExportFileBytes, BeginsADbfTitleWithTheDbfSqlPrefix) {
    const std::string bytes = ExportFileBytes(false, test::kGoods, test::WorkedExampleGrid());
    // DBF-SQL-таблица объекта Товары
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")),
              "DBF-SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 \xD2\xEE\xE2\xE0\xF0\xFB");
    EXPECT_EQ(bytes.size(), 237u + 4);
}

TEST(ExportRowLine, PadsColumnsZeroToThreeAndNeverShortens) {
    struct Case {
        const char* name;
        GridRow row;
        std::string expected;
    };
    const Case cases[] = {
        {"short cells are padded to 15, 25, 5, 7",
         {"A", "B", "C", "D", "E"},
         Join({"A", Spaces(14), "B", Spaces(24), "C    D      E"})},
        {"empty cells give whole widths of spaces", {"", "", "", "", ""}, Spaces(15 + 25 + 5 + 7)},
        {"a cell as long as its width gets no space",
         {"IDENTIFIER12345", "DESCRIPTION-OF-25-BYTES-X", "TYPE5", "LENGTH7", "PREC"},
         "IDENTIFIER12345DESCRIPTION-OF-25-BYTES-XTYPE5LENGTH7PREC"},
        {"a longer cell is kept whole and the next follows directly",
         {"IDENTIFIER123456", "D", "TYPE56", "L", "P"},
         Join({"IDENTIFIER123456D", Spaces(24), "TYPE56L      P"})},
        {"edges are trimmed, inner blanks and tabs stay",
         {" A B ", "\tC\tD\r", "\x01x\x1F", "  ", " 4 4 "},
         Join({"A B", Spaces(12), "C\tD", Spaces(22), "x    ", Spaces(7), "4 4"})},
        {"column 4 is neither padded nor cut",
         {"", "", "", "", "PRECISION-LONGER-THAN-ANY-WIDTH"},
         Join({Spaces(52), "PRECISION-LONGER-THAN-ANY-WIDTH"})},
        // Описание is 8 bytes in Windows-1251 and gets 17 spaces.
        {"Cyrillic counts bytes",
         {"", texts::kGridCaptions[1], "", "", ""},
         Join({Spaces(15), texts::kGridCaptions[1], Spaces(17 + 5 + 7)})},
        {"bytes of code 127 and above are not trimmed",
         {"\xA0", "", "", "", "\x7F"},
         Join({"\xA0", Spaces(14 + 25 + 5 + 7), "\x7F"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ExportRowLine(MakeGrid({c.row}), 0), c.expected);
    }
}

TEST(ExportLines, LeaveOutRowOneAndKeepItsIdentifierUntrimmed) {
    const GridModel grid = MakeGrid({{"H0", "H1", "H2", "H3", "H4"},
                                     {" SC12\t", texts::kSqlTableIdentifier, "X", "Y", "Z"},
                                     {"F", "", "", "", ""}});
    const std::vector<std::string> lines = ExportLines(true, "T", grid);
    ASSERT_EQ(lines.size(), 5u);
    // Идентификатор таблицы: with the identifier's own blanks
    EXPECT_EQ(lines[1], "\xC8\xE4\xE5\xED\xF2\xE8\xF4\xE8\xEA\xE0\xF2\xEE\xF0 \xF2\xE0\xE1\xEB\xE8\xF6\xFB:  SC12\t");
    EXPECT_EQ(lines[3].substr(0, 2), "H0");
    EXPECT_EQ(lines[4].substr(0, 1), "F");
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find(texts::kSqlTableIdentifier), std::string::npos) << line;
    }
}

TEST(ExportLines, GiveFourLinesForATableWithoutFields) {
    struct Case {
        const char* name;
        GridModel grid;
    };
    const Case cases[] = {
        {"headings and identifier", MakeGrid({test::kCaptions, {"SC1", texts::kDbfTableIdentifier, "", "", ""}})},
        {"headings alone", MakeGrid({test::kCaptions})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> lines = ExportLines(false, "T", c.grid);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[2], "\xCF\xEE\xEB\xFF: ");  // Поля:
        EXPECT_EQ(lines[3], ExportRowLine(c.grid, 0));
        EXPECT_EQ(ExportFileBytes(false, "T", c.grid).size(), lines[0].size() + lines[1].size() + 6 + 60 + 4 * 2);
    }
}

}  // namespace
}  // namespace dd
