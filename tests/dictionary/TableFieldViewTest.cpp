#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/DictionaryTexts.h"
#include "dictionary/TableFieldView.h"
#include "support/LoadedDictionary.h"
#include "support/TestText.h"

namespace dd {
namespace {

using Row = std::vector<std::string>;
using test::Cp;
using test::LoadBytes;

const Row kCaptions = {Cp(u8"Идентификатор"), Cp(u8"Описание"), Cp(u8"Тип"), Cp(u8"Длина"), Cp(u8"Точность")};

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// Nineteen header lines, then the block of the worked example: its marker on line 20.
std::string WorkedExample() {
    std::vector<std::string> lines(19, "# header");
    lines.insert(lines.end(),
                 {"#==TABLE no 7", "# Name |Descr", Cp(u8"T=SC12|Товары|SC12|SC12.DBF"),
                  "#-----Fields------- F=", "# Name |F=", Cp(u8"F=CODE |Код |C |8 |0 |"), "# no field here",
                  Cp(u8"F=DESCR |Наименование товара |C |25 |0 |"), "#", "F=AFTER|x|C|1|0"});
    return Lines(lines);
}

TEST(TableFieldView, ShowsTheWorkedExampleInDbfMode) {
    const auto loaded = LoadBytes(WorkedExample(), "C:\\base\\1Cv7.DD");
    ASSERT_FALSE(loaded->error) << loaded->error->Message();
    EXPECT_EQ(loaded->view.List().EntryTableLine(0), 21);
    ASSERT_EQ(loaded->view.Grid().RowCount(), 4);
    EXPECT_EQ(loaded->Row(0), kCaptions);
    EXPECT_EQ(loaded->Row(1), (Row{"SC12.DBF", Cp(u8"Идентификатор DBF-таблицы"), "", "", ""}));
    EXPECT_EQ(loaded->Row(2), (Row{"CODE", Cp(u8"Код"), "C", "8", "0"}));
    EXPECT_EQ(loaded->Row(3), (Row{"DESCR", Cp(u8"Наименование товара"), "C", "25", "0"}));
}

TEST(TableFieldView, ShowsTheSqlIdentifierInSqlMode) {
    const auto loaded = LoadBytes(WorkedExample(), "C:\\base\\1Cv7.DDS");
    EXPECT_EQ(loaded->Row(1), (Row{"SC12", Cp(u8"Идентификатор SQL-таблицы"), "", "", ""}));
    EXPECT_EQ(loaded->Row(3), (Row{"DESCR", Cp(u8"Наименование товара"), "C", "25", "0"}));
}

// Tables whose descriptions one search by text could not tell apart: each entry shows its own table.
TEST(TableFieldView, ShowsTheTableTheEntryWasMadeFrom) {
    const std::string bytes = Lines({
        "#==TABLE no 1",
        "#",
        Cp(u8"T=RA1|Регистр ПродажиВНТТ|RA1|RA1"),
        "#",
        "#",
        "F=A1|a|C|1|0",
        "#",
        "#==TABLE no 2",
        "#",
        Cp(u8"T=RA2|Регистр Продажи|RA2|RA2"),
        "#",
        "#",
        "F=A2|a|C|1|0",
        "#",
        "#==TABLE no 3",
        "#",
        Cp(u8"T=RG2|Регистр Продажи|RG2|RG2"),
        "#",
        "#",
        "F=B2|b|C|1|0",
        "#",
        "#==TABLE no 4",
        "#",
        Cp(u8"T=RG3|ТОВАРЫ|RG3|RG3"),
        "#",
        "#",
        "F=C3|c|C|1|0",
        "#",
        "#==TABLE no 5",
        "#",
        Cp(u8"T=RG4|товары|RG4|RG4"),
        "#",
        "#",
        "F=D4|d|C|1|0",
    });
    const auto loaded = LoadBytes(bytes);
    const std::string identifiers[] = {"RA1", "RA2", "RG2", "RG3", "RG4"};
    const std::string fields[] = {"A1", "A2", "B2", "C3", "D4"};
    for (int32_t entry = 0; entry < 5; ++entry) {
        loaded->Select(entry);
        EXPECT_EQ(loaded->view.Grid().Cell(0, 1), identifiers[entry]) << entry;
        EXPECT_EQ(loaded->view.Grid().Cell(0, 2), fields[entry]) << entry;
        EXPECT_EQ(loaded->view.Grid().RowCount(), 3) << entry;
    }
}

TEST(TableFieldView, TakesFieldPartsTrimmedWithFieldMarksRemoved) {
    struct Case {
        std::string fieldLine;
        Row row;
    };
    const Case cases[] = {
        {"F=CODE|Code|C|8|0", {"CODE", "Code", "C", "8", "0"}},
        {" F= NAME |x", {" NAME", "x", "", "", ""}},  // trimmed before "F=" is taken out
        {"x| F= NAME|y", {"x", " NAME", "y", "", ""}},
        {"FF==|a F=b|c", {"F=", "a b", "c", "", ""}},
        {"F=A|B|C", {"A", "B", "C", "", ""}},
        {"F=1|2|3|4|5|6|7", {"1", "2", "3", "4", "5"}},
        {"|F=A||C|", {"A", "", "C", "", ""}},
    };
    for (const auto& c : cases) {
        const auto loaded = LoadBytes(Lines({"#==TABLE no 1", "#", "T|t|id|id", "#", "#", c.fieldLine, "#"}));
        ASSERT_EQ(loaded->view.Grid().RowCount(), 3) << c.fieldLine;
        EXPECT_EQ(loaded->Row(2), c.row) << c.fieldLine;
    }
}

TEST(TableFieldView, EndsTheFieldScanAtTheIndexesMarkOrALoneHash) {
    struct Case {
        std::string line;
        int32_t rows;  // rows of the grid: the field before the line, and the one after unless the line ends the scan
    };
    const Case cases[] = {
        {"#----Indexes------", 3}, {"F=X|#----Indexes------", 3}, {"  #  ", 3}, {"#x", 4}, {"##", 4}, {"", 4},
    };
    for (const auto& c : cases) {
        const auto loaded = LoadBytes(Lines({"#==TABLE no 1", "#", "T|t|id|id", "#", "#", "F=A|a", c.line, "F=B|b"}));
        EXPECT_EQ(loaded->view.Grid().RowCount(), c.rows) << "'" << c.line << "'";
    }
}

TEST(TableFieldView, KeepsTheBlanksOfTheIdentifierField) {
    const auto loaded = LoadBytes(Lines({"#==TABLE no 1", "#", Cp(u8"T|Товары| SC12 |X")}), "C:\\base\\1Cv7.DDS");
    EXPECT_EQ(loaded->view.Grid().Cell(0, 1), " SC12 ");
    const auto dbf = LoadBytes(Lines({"#==TABLE no 1", "#", "T|d|x"}));
    EXPECT_EQ(dbf->view.Grid().Cell(0, 1), "");  // too few fields
}

TEST(TableFieldView, LooksNoFurtherThan1001LinesBelowTheTableLine) {
    std::vector<std::string> lines = {"#==TABLE no 1", "#", "T|t|id|id", "#", "#"};
    lines.resize(2 + 1001, "F=");  // field lines from 3 to 1000 lines below the table line (index 2)
    lines.push_back("F=LAST|1001 below");
    lines.push_back("F=BEYOND|too far");
    const auto loaded = LoadBytes(Lines(lines));
    EXPECT_EQ(loaded->view.Grid().RowCount(), 2 + 999);
    EXPECT_EQ(loaded->view.Grid().Cell(0, loaded->view.Grid().RowCount() - 1), "LAST");
}

TEST(TableFieldView, ClearsTheCellsOfTheTableShownBefore) {
    const auto loaded = LoadBytes(Lines({"#==TABLE no 1", "#", "T|a|id|id", "#", "#", "F=A|1|2|3|4", "#",
                                         "#==TABLE no 2", "#", "T|b|id|id", "#", "#", "F=B|1|2", "#"}));
    loaded->Select(1);
    EXPECT_EQ(loaded->Row(2), (Row{"B", "1", "2", "", ""}));
    EXPECT_EQ(loaded->Row(0), kCaptions);
}

TEST(TableFieldView, LeavesTheCurrentCellInRowZero) {
    std::string bytes = Lines({"#==TABLE no 1", "#", "T|a|id|id", "#", "#", "F=A|1", "F=B|1", "F=C|1", "#",
                               "#==TABLE no 2", "#", "T|b|id|id", "#", "#", "F=D|1", "#"});
    const auto loaded = LoadBytes(bytes);
    EXPECT_EQ(loaded->view.Grid().FixedRows(), 0);
    EXPECT_EQ(loaded->view.Grid().Current(), (GridCell{0, 0}));
    loaded->view.Grid().SetCurrent({3, 4});
    loaded->Select(1);
    EXPECT_EQ(loaded->view.Grid().Current(), (GridCell{3, 0}));
}

TEST(TableFieldView, FailsWithTheListErrorWhenNothingIsSelected) {
    auto loaded = LoadBytes(Lines({"#==TABLE no 1", "#", "T|a|id|id"}));
    try {
        loaded->view.SelectTable(-1);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (-1)");
    }
    EXPECT_EQ(loaded->view.Grid().RowCount(), 1);
}

TEST(TableFieldView, ATableLineAtTheEndOfTheFileShowsNoFields) {
    const auto loaded = LoadBytes("#==TABLE no 1\n#\nT|a|id|id");
    EXPECT_EQ(loaded->view.Grid().RowCount(), 2);
    EXPECT_EQ(loaded->view.Grid().Cell(0, 1), "id");
}

}  // namespace
}  // namespace dd
