#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "dictionary/DictionaryStream.h"
#include "dictionary/StreamedTables.h"
#include "dictionary/TableIndexes.h"
#include "support/TestText.h"

namespace dd {
namespace {

using test::Cp;
using Indexes = std::vector<TableIndex>;

}  // namespace

// Failures show the index, not its bytes.
void PrintTo(const TableIndex& index, std::ostream* out) {
    *out << "{" << index.name << "|" << index.description << "|" << index.unique << "|";
    for (const auto& field : index.fields) *out << field << ",";
    *out << "|" << index.lastColumn << "}";
}

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// The indexes of every table of a dictionary read as a stream.
std::vector<Indexes> IndexesOfTables(const std::string& bytes, bool isSql = false) {
    std::vector<Indexes> tables;
    StreamedTables sink(
        isSql, true, [](int32_t) { return true; },
        [&tables](StreamedTable& table) {
            tables.push_back(table.indexes);
            return true;
        });
    MemorySource source(bytes);
    ReadDictionaryStream(source, sink);
    return tables;
}

const std::vector<std::string> kTable = {"#==TABLE no 0",
                                         "# Name |Descr",
                                         "T=SC1|Goods|A|SC1|1",
                                         "#-----Fields-------",
                                         "# Name |Descr |Type|Length|Precision",
                                         "F=CODE|Code|C|8|0"};

std::vector<std::string> Table(std::vector<std::string> after) {
    std::vector<std::string> lines = kTable;
    lines.insert(lines.end(), after.begin(), after.end());
    return lines;
}

TEST(ParseIndexLine, SplitsAndTrimsLikeAFieldLine) {
    struct Case {
        std::string line;
        TableIndex index;
    };
    const Case cases[] = {
        // As the real dictionaries write them: padded columns, fields joined by commas, a key expression.
        {"I=IDD      |              |0     |ID,OBJID,DATE,TIME,DOCID,PARTNO                             |IDD        ",
         {"IDD", "", false, {"ID", "OBJID", "DATE", "TIME", "DOCID", "PARTNO"}, "IDD"}},
        {"I=DOCNO    |Prefix+No     |0     |DNPREFIX,DOCNO(UPPER)                                       |DOCNO      ",
         {"DOCNO", "Prefix+No", false, {"DNPREFIX", "DOCNO(UPPER)"}, "DOCNO"}},
        {"I=ACDATETIM|Date+Time+ID  |1     |DATE,TIME,IDDOC  |ACDATETIME ",
         {"ACDATETIM", "Date+Time+ID", true, {"DATE", "TIME", "IDDOC"}, "ACDATETIME"}},
        {"I=PK|Key|1|ID|CLUSTERED", {"PK", "Key", true, {"ID"}, "CLUSTERED"}},
        // Only "1" is unique; missing columns are empty; fields are trimmed one by one.
        {"I=A|d|01|X , Y", {"A", "d", false, {"X", "Y"}, ""}},
        {"I=A|d|yes", {"A", "d", false, {}, ""}},
        {"I=A", {"A", "", false, {}, ""}},
        {"I=A|||,|", {"A", "", false, {"", ""}, ""}},
        {"I=A|b|1|c|d|extra", {"A", "b", true, {"c"}, "d"}},
        // Cyrillic stays as it is; "I=" is taken out of the name only.
        {Cp(u8"I=ИМЯ|Описание I=|1|ПОЛЕ|I=X"), {Cp(u8"ИМЯ"), Cp(u8"Описание I="), true, {Cp(u8"ПОЛЕ")}, "I=X"}},
        // A zero byte ends the line's text, as in a field line.
        {std::string("I=A|b\0|1|c", 10), {"A", "b", false, {}, ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseIndexLine(c.line), c.index) << c.line;
}

TEST(TableIndexes, FollowTheIndexesLineThatEndedTheFieldRows) {
    const std::string header = "# Name     |Descr         |Unique|Indexed fields|DBName";
    struct Case {
        std::string name;
        std::vector<std::string> lines;
        Indexes expected;
    };
    const TableIndex a{"A", "", false, {"X"}, "A"};
    const TableIndex b{"B", "Key", true, {"X", "Y"}, "B"};
    const Case cases[] = {
        {"the sample's shape", Table({"#----Indexes------", header, "I=A|  |0|X|A", "I=B|Key|1|X,Y|B", "#"}), {a, b}},
        {"up to the end of the file", Table({"#----Indexes------", header, "I=A|  |0|X|A"}), {a}},
        {"up to the next table",
         Table({"#----Indexes------", "I=A||0|X|A", "#==TABLE no 1", "x", "T|t|i|j", "I=B|Key|1|X,Y|B"}),
         {a}},
        {"a lone # ends them, even padded",
         Table({"#----Indexes------", "I=A||0|X|A", "  #  ", "I=B|Key|1|X,Y|B"}),
         {a}},
        {"lines that are no index are passed over",
         Table({"#----Indexes------", header, "F=NOT|an index", "", "## note", "I=A||0|X|A", "xI=B|Key|1|X,Y|B"}),
         {a}},
        {"an index line is trimmed before it is tested", Table({"#----Indexes------", "   I=A||0|X|A   "}), {a}},
        {"no Indexes line: the field rows end at #", Table({"#", "#----Indexes------", "I=A||0|X|A"}), {}},
        {"no Indexes line at all", Table({"I=A||0|X|A"}), {}},
        {"the Indexes line may carry more text", Table({"  x #----Indexes------ y", "I=A||0|X|A"}), {a}},
        {"an empty index section", Table({"#----Indexes------", "#", "I=A||0|X|A"}), {}},
    };
    for (const Case& c : cases) {
        const auto tables = IndexesOfTables(Lines(c.lines));
        ASSERT_GE(tables.size(), 1u) << c.name;
        EXPECT_EQ(tables[0], c.expected) << c.name;
    }
}

// The field scan looks no further than the 1001st line below the table line: an Indexes line beyond
// it belongs to no table, one on it still counts, and the indexes then run on past the window.
TEST(TableIndexes, CountOnlyAnIndexesLineWithinTheFieldScan) {
    for (const int fieldLines : {998, 999}) {
        std::vector<std::string> lines = {"#==TABLE no 0", "x", "T|t|i|j", "#", "#"};
        for (int i = 0; i < fieldLines; ++i) lines.push_back("F=F" + std::to_string(i) + "|d|C|1|0");
        lines.push_back("#----Indexes------");
        for (int i = 0; i < 5; ++i) lines.push_back("I=I" + std::to_string(i) + "|d|0|F0|I");
        const auto tables = IndexesOfTables(Lines(lines));
        ASSERT_EQ(tables.size(), 1u);
        // The Indexes line stands 3 + fieldLines lines below the table line.
        EXPECT_EQ(tables[0].size(), fieldLines == 998 ? 5u : 0u) << fieldLines;
    }
    std::vector<std::string> lines = {"#==TABLE no 0", "x", "T|t|i|j"};
    for (int i = 0; i < 1001; ++i) lines.push_back("F=F|d|C|1|0");
    lines.push_back("#----Indexes------");
    lines.push_back("I=LATE|d|0|F|I");
    EXPECT_EQ(IndexesOfTables(Lines(lines))[0], Indexes{});
}

// Tables whose windows overlap (a field scan that runs past the next marker) each find their own indexes.
TEST(TableIndexes, TablesWhoseScansOverlapEachKeepTheirOwn) {
    const std::string bytes = Lines({"#==TABLE no 0", "x", "T|t|i|j", "F=A|a", "#==TABLE no 1", "x", "T|u|k|l", "#",
                                     "#", "#----Indexes------", "I=SECOND|d|1|A|S", "#", "I=LATER|d|0|B|L"});
    const TableIndex second{"SECOND", "d", true, {"A"}, "S"};
    // Table 0's scan stops at the "#" below the second table line; table 1's scan begins three lines
    // below its table line, at the Indexes line.
    const auto tables = IndexesOfTables(bytes);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0], Indexes{});
    EXPECT_EQ(tables[1], Indexes{second});
    // Here table 0's scan runs past the second marker, takes F=B as its field and ends at the Indexes
    // line; table 1's scan begins below that line and stops at "#".
    const std::string overlapping = Lines({"#==TABLE no 0", "x", "T|t|i|j", "F=A|a", "#==TABLE no 1", "x", "T|u|k|l",
                                           "F=B|b", "#----Indexes------", "I=SECOND|d|1|A|S", "#", "I=LATER|d|0|B|L"});
    const auto both = IndexesOfTables(overlapping);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0], Indexes{second});
    EXPECT_EQ(both[1], Indexes{});
}

}  // namespace
}  // namespace dd
