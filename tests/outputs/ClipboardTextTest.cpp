#include <gtest/gtest.h>

#include "outputs/ClipboardText.h"
#include "support/OutputTestGrids.h"

namespace dd {
namespace {

using test::GridRow;
using test::MakeGrid;

TEST(CellClipboardText, CopiesTheCurrentCellUnchanged) {
    const GridModel grid = MakeGrid({test::kCaptions,
                                     {" SC12 ", texts::kSqlTableIdentifier, "", "", ""},
                                     {"\tCODE\r", test::kCode, "C", "8", "0"}});
    struct Case {
        GridCell current;
        std::string_view expected;
    };
    const Case cases[] = {
        {{0, 0}, texts::kGridCaptions[0]},  // right after loading: "Идентификатор"
        {{0, 1}, " SC12 "},                 // blanks at both ends stay
        {{0, 2}, "\tCODE\r"},               // so do control characters
        {{1, 1}, texts::kSqlTableIdentifier},
        {{4, 1}, ""},  // an empty cell copies the empty text
        {{1, 2}, test::kCode},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "cell " << c.current.column << "," << c.current.row);
        EXPECT_EQ(CellClipboardText(grid, c.current), c.expected);
    }
}

TEST(RowClipboardText, JoinsTheCellsWithSeparatorsAndTrimsTheEnds) {
    struct Case {
        const char* name;
        GridRow row;
        std::string expected;
    };
    const Case cases[] = {
        {"five cells", {"A", "B", "C", "D", "E"}, "A; B; C; D; E;"},
        {"all empty", {"", "", "", "", ""}, "; ; ; ; ;"},
        {"column 0 empty", {"", "B", "C", "D", "E"}, "; B; C; D; E;"},
        {"column 4 empty", {"A", "B", "C", "D", ""}, "A; B; C; D; ;"},
        {"blanks at the start of cell 0 go",
         {" \t\x01"
          "A",
          "B", "C", "D", "E"},
         "A; B; C; D; E;"},
        {"blanks inside and at the end of cells stay", {"A ", " B", "C\tc", "D", " E "}, "A ;  B; C\tc; D;  E ;"},
        // Bytes of code 127 and above are never trimmed: a no-break space (0xA0) and Cyrillic stay.
        {"high bytes at the start stay",
         {"\xA0"
          "A",
          "B", "C", "D", "\xFF"},
         "\xA0"
         "A; B; C; D; \xFF;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RowClipboardText(MakeGrid({c.row}), 0), c.expected);
    }
}

TEST(RowClipboardText, CopiesTheHeadingAndIdentifierRowsLikeAnyOther) {
    const GridModel grid = test::WorkedExampleGrid();
    // Идентификатор; Описание; Тип; Длина; Точность;
    EXPECT_EQ(RowClipboardText(grid, 0),
              "\xC8\xE4\xE5\xED\xF2\xE8\xF4\xE8\xEA\xE0\xF2\xEE\xF0; \xCE\xEF\xE8\xF1\xE0\xED\xE8\xE5; "
              "\xD2\xE8\xEF; \xC4\xEB\xE8\xED\xE0; \xD2\xEE\xF7\xED\xEE\xF1\xF2\xFC;");
    EXPECT_EQ(RowClipboardText(grid, 1), "SC12; " + std::string(texts::kSqlTableIdentifier) + "; ; ; ;");
    EXPECT_EQ(RowClipboardText(grid, 3), "PRICE; " + std::string(test::kPricePerUnit) + "; N; 14; 2;");
}

TEST(RowClipboardText, ReadsCellsOfAMissingRowAsEmpty) {
    EXPECT_EQ(RowClipboardText(test::WorkedExampleGrid(), 9), "; ; ; ; ;");
}

TEST(RangeClipboardText, WritesTheRangeAsTabSeparatedLines) {
    using namespace std::string_view_literals;
    const GridModel grid = MakeGrid({test::kCaptions,
                                     {"SC12", texts::kSqlTableIdentifier, "", "", ""},
                                     {"A\tB", "C\rD", "E\nF", "G\r\nH", " I "},
                                     {"ab\0cd"sv, "\0"sv, "x", "", "y\0"sv}});
    const std::string captions = std::string(texts::kGridCaptions[0]) + "\t" + std::string(texts::kGridCaptions[1]);
    struct Case {
        const char* name;
        GridRange range;
        std::string expected;
    };
    const Case cases[] = {
        {"two cells of a row", {0, 1, 1, 1}, "SC12\t" + std::string(texts::kSqlTableIdentifier) + "\r\n"},
        {"two rows of a column", {4, 1, 4, 2}, "\r\n I \r\n"},
        {"captions when row 0 is in the range",
         {0, 0, 1, 1},
         captions + "\r\nSC12\t" + std::string(texts::kSqlTableIdentifier) + "\r\n"},
        {"empty cells keep their place", {2, 1, 4, 1}, "\t\t\r\n"},
        // Bytes that would break the range's rows or columns become spaces; blanks stay.
        {"tab, CR and LF inside cells", {0, 2, 4, 2}, "A B\tC D\tE F\tG  H\t I \r\n"},
        // A cell gives what stands before its first zero byte; the cells after it are kept.
        {"zero bytes inside cells", {0, 3, 4, 3}, "ab\t\tx\t\ty\r\n"},
        {"rows beyond the grid are empty", {3, 3, 4, 4}, "\ty\r\n\t\r\n"},
        {"one cell", {2, 3, 2, 3}, "x\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RangeClipboardText(grid, c.range), c.expected);
        // Nothing of it is lost on the clipboard, which keeps text up to the first zero byte.
        EXPECT_EQ(UpToFirstZeroByte(RangeClipboardText(grid, c.range)).size(), c.expected.size());
    }
}

TEST(TableClipboardText, JoinsTheDescriptionAndTheTrimmedIdentifierWithATab) {
    using namespace std::string_view_literals;
    struct Case {
        const char* what;
        std::string_view description;
        std::string_view identifier;
        std::string_view expected;
    };
    const Case cases[] = {
        {"the DBF edition's identifier", "\xD1\xEA\xEB\xE0\xE4", "SC219.DBF ", "\xD1\xEA\xEB\xE0\xE4\tSC219.DBF"},
        {"blanks at both ends of the identifier", "Nomenclature", "  SC219  ", "Nomenclature\tSC219"},
        {"no identifier", "Nomenclature", "", "Nomenclature\t"},
        {"no description", "", "SC1", "\tSC1"},
        {"a tab and line breaks inside", "a\tb\r\nc", "S\tC", "a b  c\tS C"},
        {"zero bytes end each part", "de\0sc"sv, "SC\0x"sv, "de\tSC"},
        {"a zero byte after the identifier's blanks", "d", "SC \0x"sv, "d\tSC"},
    };
    for (const Case& c : cases) EXPECT_EQ(TableClipboardText(c.description, c.identifier), c.expected) << c.what;
}

TEST(UpToFirstZeroByte, EndsTheTextAtItsFirstZeroByte) {
    using namespace std::string_view_literals;
    struct Case {
        std::string_view text;
        std::string_view expected;
    };
    const Case cases[] = {
        {"", ""}, {"abc", "abc"}, {"\0"sv, ""}, {"ab\0cd\0"sv, "ab"}, {"\xC0\xFF"sv, "\xC0\xFF"},
    };
    for (const Case& c : cases) EXPECT_EQ(UpToFirstZeroByte(c.text), c.expected);
}

}  // namespace
}  // namespace dd
