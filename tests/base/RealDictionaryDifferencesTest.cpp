#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "base/DictionaryDifferences.h"
#include "support/DifferenceFacts.h"
#include "support/TestPaths.h"

namespace dd {
namespace {

using test::Facts;

// The lines of a file, each with its line end, so that joining them gives the bytes again.
std::vector<std::string> LinesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    for (size_t at = 0; at < bytes.size();) {
        const size_t end = std::min(bytes.find('\n', at), bytes.size() - 1) + 1;
        lines.push_back(bytes.substr(at, end - at));
        at = end;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line;
    return bytes;
}

std::string Trimmed(const std::string& text) {
    const size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
}

// Column k of a record line ("F=NAME |Descr |..."), and the line with that column replaced.
std::vector<std::string> Columns(const std::string& line) {
    std::vector<std::string> columns;
    std::stringstream stream(line);
    for (std::string column; std::getline(stream, column, '|');) columns.push_back(column);
    return columns;
}

std::string Column(const std::string& line, size_t k) { return Trimmed(Columns(line)[k]); }

std::string WithColumn(const std::string& line, size_t k, const std::string& value) {
    std::vector<std::string> columns = Columns(line);
    const bool lastHoldsLineEnd = k == columns.size() - 1;
    columns[k] = value + (lastHoldsLineEnd ? "\n" : "");
    std::string joined;
    for (size_t i = 0; i < columns.size(); ++i) joined += (i == 0 ? "" : "|") + columns[i];
    return joined;
}

std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The identifier of a table of the DBF edition is the name of its file, the table line's DBTableName.
constexpr size_t kDbTableName = 3;

// Where the edits go: the first table with two fields or more and an index, found by reading the lines here
// rather than through the code under test.
struct EditedTable {
    size_t tableLine = 0;
    std::vector<size_t> fieldLines;
    std::vector<size_t> indexLines;
    std::string identifier;

    std::string FieldName(const std::vector<std::string>& lines, size_t k) const {
        return Column(lines[fieldLines[k]], 0).substr(2);
    }
};

EditedTable TableToEdit(const std::vector<std::string>& lines) {
    EditedTable table;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("T=", 0) == 0) {
            if (table.fieldLines.size() >= 2 && !table.indexLines.empty()) break;
            table = {i, {}, {}, Column(lines[i], kDbTableName)};
        } else if (lines[i].rfind("F=", 0) == 0) {
            table.fieldLines.push_back(i);
        } else if (lines[i].rfind("I=", 0) == 0) {
            table.indexLines.push_back(i);
        }
    }
    return table;
}

DictionaryTables TablesOf(const std::vector<std::string>& lines) {
    const std::string bytes = Joined(lines);
    MemorySource source(bytes);
    return ReadDictionaryTables(source, false);
}

// Every real dictionary against a copy of itself changed in one known way: exactly that change is found.
TEST(CompareDictionaryTables, FindsExactlyTheChangesMadeToARealDictionary) {
    if (!test::RealDictionariesPresent()) GTEST_SKIP() << "no real dictionaries";
    using Lines = std::vector<std::string>;
    struct Edit {
        std::string name;
        std::function<void(Lines&, const EditedTable&)> apply;
        std::function<std::vector<std::string>(const Lines&, const EditedTable&)> facts;
    };
    const auto none = [](const Lines&, const EditedTable&) { return std::vector<std::string>{}; };
    const Edit edits[] = {
        {"nothing", [](Lines&, const EditedTable&) {}, none},
        {"a field's length",
         [](Lines& lines, const EditedTable& t) {
             lines[t.fieldLines[1]] = WithColumn(lines[t.fieldLines[1]], 3, "999");
         },
         [](const Lines& lines, const EditedTable& t) {
             return std::vector<std::string>{"~" + t.identifier, "  ~field " + t.FieldName(lines, 1) + " shape"};
         }},
        {"a field's description",
         [](Lines& lines, const EditedTable& t) {
             lines[t.fieldLines[0]] = WithColumn(lines[t.fieldLines[0]], 1, "Changed here");
         },
         [](const Lines& lines, const EditedTable& t) {
             return std::vector<std::string>{"~" + t.identifier, "  ~field " + t.FieldName(lines, 0) + " description"};
         }},
        {"a field removed", [](Lines& lines, const EditedTable& t) { lines.erase(lines.begin() + t.fieldLines[1]); },
         [](const Lines& lines, const EditedTable& t) {
             return std::vector<std::string>{"~" + t.identifier, "  -field " + t.FieldName(lines, 1)};
         }},
        {"a field added",
         [](Lines& lines, const EditedTable& t) {
             lines.insert(lines.begin() + t.fieldLines[0] + 1, WithColumn(lines[t.fieldLines[0]], 0, "F=ZZNEW"));
         },
         [](const Lines&, const EditedTable& t) {
             return std::vector<std::string>{"~" + t.identifier, "  +field ZZNEW"};
         }},
        {"two fields swapped",
         [](Lines& lines, const EditedTable& t) { std::swap(lines[t.fieldLines[0]], lines[t.fieldLines[1]]); },
         [](const Lines& lines, const EditedTable& t) {
             return std::vector<std::string>{"~" + t.identifier, "  moved " + t.FieldName(lines, 1)};
         }},
        {"the table's description",
         [](Lines& lines, const EditedTable& t) { lines[t.tableLine] = WithColumn(lines[t.tableLine], 1, "Changed"); },
         [](const Lines&, const EditedTable& t) {
             return std::vector<std::string>{"~" + t.identifier + " description"};
         }},
        {"the table's identifier",
         [](Lines& lines, const EditedTable& t) {
             lines[t.tableLine] = WithColumn(lines[t.tableLine], kDbTableName, "ZZ999");
         },
         [](const Lines&, const EditedTable& t) {
             return std::vector<std::string>{"+ZZ999", "-" + t.identifier};
         }},
        {"an index's uniqueness",
         [](Lines& lines, const EditedTable& t) {
             const std::string& line = lines[t.indexLines[0]];
             lines[t.indexLines[0]] = WithColumn(line, 2, Column(line, 2) == "1" ? "0" : "1");
         },
         [](const Lines& lines, const EditedTable& t) {
             return std::vector<std::string>{"~" + t.identifier,
                                             "  ~index " + Column(lines[t.indexLines[0]], 0).substr(2) + " unique"};
         }},
        {"names in lower case",
         [](Lines& lines, const EditedTable& t) {
             lines[t.tableLine] = WithColumn(lines[t.tableLine], kDbTableName, Lowered(t.identifier));
             for (const size_t i : t.fieldLines)
                 lines[i] = WithColumn(lines[i], 0, "F=" + Lowered(Column(lines[i], 0).substr(2)));
             for (const size_t i : t.indexLines)
                 lines[i] = WithColumn(lines[i], 0, "I=" + Lowered(Column(lines[i], 0).substr(2)));
         },
         none},
    };
    for (const char* name : {"artamir__tks__1Cv7.DD", "nasta-sap__cats__1Cv7.DD"}) {
        const Lines original = LinesOf(test::RealDictionaryPath(name));
        const EditedTable table = TableToEdit(original);
        ASSERT_GE(table.fieldLines.size(), 2u) << name;
        ASSERT_FALSE(table.indexLines.empty()) << name;
        const DictionaryTables before = TablesOf(original);
        for (const Edit& edit : edits) {
            Lines changed = original;
            edit.apply(changed, table);
            const DictionaryDifferences differences = CompareDictionaryTables(before, TablesOf(changed));
            EXPECT_EQ(Facts(differences), edit.facts(original, table)) << name << ": " << edit.name;
        }
    }
}

}  // namespace
}  // namespace dd
