#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "dictionary/DictionaryTexts.h"
#include "dictionary/Error.h"
#include "dictionary/GridModel.h"
#include "fuzz/DictionaryExercise.h"
#include "support/TestPaths.h"
#include "viewmodel/DictionaryView.h"

namespace dd {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

const std::string kListError = "List index out of bounds (-1)";

// Runs the fuzzer's exercise on the bytes; a broken rule fails the test with its message.
std::string Exercise(const std::string& bytes, const std::string& label, fuzz::ExerciseLimits limits = {}) {
    try {
        return fuzz::ExerciseBothEditions(bytes, limits);
    } catch (const fuzz::ExerciseFailure& failure) {
        ADD_FAILURE() << label << ": " << failure.what();
    }
    return {};
}

struct Opened {
    DictionaryView view;
    const GridModel& grid = view.Grid();
    std::string error;

    explicit Opened(const std::string& bytes) {
        try {
            view.OpenBytes("C:\\base\\1Cv7.DD", FileBytes::Copy(bytes));
        } catch (const Error& e) {
            error = e.Message();
        }
    }
    Lines Entries() const {
        Lines entries;
        for (int32_t i = 0; i < view.List().EntryCount(); ++i) entries.push_back(view.List().EntryText(i));
        return entries;
    }
    Lines Row(int32_t row) const {
        Lines cells;
        for (int column = 0; column < kGridColumns; ++column) cells.emplace_back(grid.Cell(column, row));
        return cells;
    }
};

const std::string kDbf(texts::kDbfTableIdentifier);

// Files that open with a clear result: the error, the tables listed, and the first table's rows
// below the captions (row 1, the identifier, then the fields).
TEST(HostileBytes, OpenWithAClearResult) {
    struct Case {
        std::string name, bytes, error;
        Lines entries;
        std::vector<Lines> rows;
    };
    const std::string block = "#==TABLE no 1\r\nx\r\nT=SC1|Goods|SC1|SC1.DBF\r\n";
    const Case cases[] = {
        {"empty", "", kListError, {}, {}},
        {"blanks only", "  \t\r\n \r\n\x0B\x0C\r\n   ", kListError, {}, {}},
        {"lone CRs only", "\r\r\r\r", kListError, {}, {}},
        {"line feeds only", "\n\n\n", kListError, {}, {}},
        {"zero bytes only", "\0\0\0\0"s, kListError, {}, {}},
        {"Ctrl-Z before the first marker", "x\r\n\x1A" + block, kListError, {}, {}},
        {"a marker on the last line", "x\r\n#==TABLE no 1", "", {""}, {{"", kDbf, "", "", ""}}},
        {"a marker on the last line with its end", "#==TABLE no 1\r\n", "", {""}, {{"", kDbf, "", "", ""}}},
        {"a marker on the second-to-last line", "#==TABLE no 1\r\nT|a|b|c", "", {""}, {{"", kDbf, "", "", ""}}},
        {"a marker on the third-to-last line", "#==TABLE no 1\r\nx\r\nT|a|b|c", "", {"a"}, {{"c", kDbf, "", "", ""}}},
        {"lone CRs make one line of the file", "#==TABLE no 1\rx\rT|a|b|c\r", "", {""}, {{"", kDbf, "", "", ""}}},
        {"the field scan runs to the end of the file",
         block + "1\r\n2\r\nF=A|a|C|1|0|\r\nF=B|b|N|2|1",
         "",
         {"Goods"},
         {{"SC1.DBF", kDbf, "", "", ""}, {"A", "a", "C", "1", "0"}, {"B", "b", "N", "2", "1"}}},
        {"a zero byte ends a field line's text",
         block + "1\r\n2\r\nF=A|a\0b|C|1|0\r\n#\r\n"s,
         "",
         {"Goods"},
         {{"SC1.DBF", kDbf, "", "", ""}, {"A", "a", "", "", ""}}},
        {"a zero byte in the description",
         "#==TABLE no 1\r\nx\r\nT|Go\0ods|X|Y\r\n"s,
         "",
         {"Go"},
         {{"", kDbf, "", "", ""}}},
        {"Ctrl-Z cuts the table line",
         "#==TABLE no 1\r\nx\r\nT|Goods|S\x1A|Y\r\n",
         "",
         {"Goods"},
         {{"", kDbf, "", "", ""}}},
        {"Ctrl-Z cuts a field line",
         block + "1\r\n2\r\nF=A|a\x1A|C|1|0\r\nF=B|b\r\n#\r\n",
         "",
         {"Goods"},
         {{"SC1.DBF", kDbf, "", "", ""}, {"A", "a", "", "", ""}, {"B", "b", "", "", ""}}},
        {"a zero byte before the marker", "\0#==TABLE no 1\r\nx\r\nT|a|b|c\r\n"s, "", {"a"}, {{"c", kDbf, "", "", ""}}},
        {"Ctrl-Z on the line after the marker",
         "#==TABLE no 1\r\n\x1A\r\nT|a|b|c\r\n",
         "",
         {"a"},
         {{"c", kDbf, "", "", ""}}},
        {"Ctrl-Z as the last byte",
         block + "1\r\n2\r\nF=A|a\r\n\x1A",
         "",
         {"Goods"},
         {{"SC1.DBF", kDbf, "", "", ""}, {"A", "a", "", "", ""}}},
    };
    for (const Case& c : cases) {
        const Opened opened(c.bytes);
        EXPECT_EQ(opened.error, c.error) << c.name;
        EXPECT_EQ(opened.Entries(), c.entries) << c.name;
        if (c.error.empty()) {
            ASSERT_EQ(opened.grid.RowCount(), static_cast<int32_t>(c.rows.size()) + 1) << c.name;
            for (size_t row = 0; row < c.rows.size(); ++row) {
                EXPECT_EQ(opened.Row(static_cast<int32_t>(row) + 1), c.rows[row]) << c.name << " row " << row + 1;
            }
        }
        Exercise(c.bytes, c.name);
    }
}

// The field scan stops 1001 lines below the table line, however many field lines follow.
TEST(HostileBytes, TheFieldScanIsBoundedBelowTheTableLine) {
    std::string bytes = "#==TABLE no 1\r\nx\r\nT=SC1|Goods|SC1|SC1.DBF\r\n";
    for (int i = 0; i < 1500; ++i) bytes += "F=F" + std::to_string(i) + "|d|C|1|0\r\n";
    const Opened opened(bytes);
    ASSERT_EQ(opened.error, "");
    ASSERT_EQ(opened.grid.RowCount(), 2 + 999);
    EXPECT_EQ(opened.Row(2)[0], "F2");
    EXPECT_EQ(opened.Row(1000)[0], "F1000");
    Exercise(bytes, "1500 field lines");
}

// A small dictionary of both kinds of line ends, two tables, an index section and an end mark; a zero
// byte, a Ctrl-Z or a lone CR put in at every position, or put in place of every byte, must give what
// a plain byte-by-byte reading gives, and every output must be built.
TEST(HostileBytes, ZeroCtrlZAndLoneCrInEveryPosition) {
    const std::string base =
        "header\r\n#==TABLE no 1\r\n# comment\r\nT=SC1|Goods|SC1|SC1.DBF\r\n#----Fields------\r\n"
        "F=CODE|Code|C|8|0|\r\nF=NAME |Name | C | 25 | 0 |\n#\r\n#==TABLE no 2\nx\n"
        " T=SC2 | Stock |SC2|SC2.DBF \nF=X|x|N|1|0\n#----Indexes------\nF=IDX|i\n";
    for (const char inserted : {'\0', '\x1A', '\r'}) {
        for (size_t at = 0; at <= base.size(); ++at) {
            std::string put = base;
            put.insert(at, 1, inserted);
            Exercise(put, "byte " + std::to_string(static_cast<int>(inserted)) + " put in at " + std::to_string(at));
            if (at == base.size()) continue;
            std::string replaced = base;
            replaced[at] = inserted;
            Exercise(replaced,
                     "byte " + std::to_string(static_cast<int>(inserted)) + " in place of byte " + std::to_string(at));
        }
    }
}

// Random bytes, and random bytes among dictionary lines: whatever they are, the file opens or fails
// with the list error, and what opens agrees with the plain reading.
TEST(HostileBytes, BinaryGarbageOpensOrFailsClearly) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> byte(0, 255);
    for (const size_t size : {size_t{1}, size_t{63}, size_t{64}, size_t{65}, size_t{4095}, size_t{1} << 20}) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(byte(random));
        const std::string error = Exercise(bytes, "garbage of " + std::to_string(size));
        EXPECT_TRUE(error.empty() || error == kListError) << error;

        std::string mixed = "#==TABLE no 1\r\nx\r\nT|a|b|c\r\n" + bytes.substr(0, 300) + "\r\nF=A|b\r\n" +
                            bytes.substr(0, size / 2) + "#==TABLE no 2\n";
        Exercise(mixed, "garbage among tables, " + std::to_string(size));
    }
}

// Every fixture: irregular files made by hand, and every input that once failed the fuzzer, kept
// here once mended (the fuzzer starts from them too).
TEST(HostileBytes, EveryFixtureOpensCleanly) {
    const std::filesystem::path folder = test::TestPath(std::string(DD_FIXTURES_DIR) + "/hostile");
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        Exercise(bytes, entry.path().filename().string());
        ++files;
    }
    EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace dd
