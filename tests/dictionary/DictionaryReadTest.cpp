#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "dictionary/SplitRecordLine.h"
#include "dictionary/TrimBlanks.h"
#include "fuzz/ReferenceDictionary.h"
#include "support/LoadedDictionary.h"
#include "support/TestText.h"

namespace dd {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;
using test::Cp;
using test::LoadBytes;

const std::string kMarker = "#==TABLE no 1";

TEST(DictionaryReading, AppliesTheLineRules) {
    struct Case {
        std::string name, bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"LF ends a line", "A\nB", {"A", "B"}},
        {"CR LF ends a line", "A\r\nB\r\n", {"A", "B"}},
        {"a final break adds no line", "A\n\n", {"A", ""}},
        {"a lone CR is dropped", "A\rB\nC", {"AB", "C"}},
        {"CRs before LF are dropped", "A\r\r\nB", {"A", "B"}},
        {"a lone CR at the end", "A\n\r", {"A", ""}},
        {"a lone CR line", "\r\n", {""}},
        {"lines are trimmed", " A \t\n\0B\0\n"s, {"A", "B"}},
        {"tabs and high bytes stay inside",
         "A\t\xA0\xFF"
         "B\n",
         {"A\t\xA0\xFF"
          "B"}},
        {"Ctrl-Z at a line start ends the input",
         "A\n\x1A"
         "B\nC",
         {"A"}},
        {"Ctrl-Z as the first byte",
         "\x1A"
         "A\nB",
         {}},
        {"Ctrl-Z inside a line ends its text",
         "A\x1A"
         "B\nC",
         {"A", "C"}},
        {"a CR before Ctrl-Z keeps the line",
         "A\n\r\x1A"
         "B\nC",
         {"A", "", "C"}},
        {"Ctrl-Z in the last line", "A\nBC\x1A", {"A", "BC"}},
    };
    for (const auto& c : cases) {
        const auto loaded = LoadBytes(c.bytes);
        EXPECT_EQ(loaded->Lines(), c.lines) << c.name;
        ASSERT_TRUE(loaded->error) << c.name;
        EXPECT_EQ(loaded->error->Message(), "List index out of bounds (-1)") << c.name;
    }
}

TEST(DictionaryReading, KeepsALineOfAnyLength) {
    const std::string line(3'000'000, 'x');
    const auto loaded = LoadBytes(line + "\r\n" + line);
    EXPECT_EQ(loaded->Lines(), (Lines{line, line}));
}

TEST(DictionaryReading, ListsEachTableUnderTheSecondFieldOfItsTableLine) {
    struct Case {
        std::string tableLine, entry;
    };
    const Case cases[] = {
        {Cp(u8"A|Описание|B"), Cp(u8"Описание")},
        {Cp(u8" A | Описание |B"), Cp(u8"Описание")},
        {"A", ""},
        {"", ""},
        {"|A|B", "B"},
        {" | |a|b", "b"},
        {"A||B", ""},
    };
    for (const auto& c : cases) {
        const auto loaded = LoadBytes(kMarker + "\nignored\n" + c.tableLine + "\n");
        EXPECT_EQ(loaded->Entries(), Lines{c.entry}) << c.tableLine;
        EXPECT_FALSE(loaded->error) << c.tableLine;
    }
}

TEST(DictionaryReading, StoresTheTwoLinesAfterAMarkerAsRead) {
    const auto loaded = LoadBytes("  " + kMarker + "  \r\n  next  \r\n T|d|x \r\n  after  \r\n");
    EXPECT_EQ(loaded->Lines(), (Lines{kMarker, "  next  ", " T|d|x ", "after"}));
    EXPECT_EQ(loaded->Entries(), Lines{"d"});
}

TEST(DictionaryReading, FindsMarkersOnlyWhereALineIsTestedForTheEndOfInput) {
    struct Case {
        std::string name, bytes;
        Lines entries;
    };
    const Case cases[] = {
        {"lower case is no marker", "#==table no 1\nx\nT|a\n", {}},
        {"the marker inside a line", "x #==TABLE no 12\nx\nT|a\n", {"a"}},
        {"a marker among the two lines after a marker", kMarker + "\n" + kMarker + "\nT|a\n", {"a"}},
        {"a marker as the table line", kMarker + "\nx\n" + kMarker + "|b\nT|c\n", {"b"}},
        {"equal descriptions", kMarker + "\nx\nT|a\n" + kMarker + "\nx\nT|a\n", {"a", "a"}},
        {"a lone CR that joins a marker", "#==TABLE\r no 1\nx\nT|a\n", {"a"}},
        {"a Ctrl-Z that cuts a marker", "#==TABLE\x1A no 1\nx\nT|a\n", {}},
        {"a Ctrl-Z line after a marker is read empty", kMarker + "\n\x1A\nT|a\n" + kMarker + "\nx\nT|b\n", {"a", "b"}},
        {"a Ctrl-Z table line", kMarker + "\nx\n\x1A|T|a\n" + kMarker + "\nx\nT|b\n", {"", "b"}},
        {"the input ends at a Ctrl-Z line", kMarker + "\nx\nT|a\n\x1A\n" + kMarker + "\nx\nT|b\n", {"a"}},
    };
    for (const auto& c : cases) {
        const auto loaded = LoadBytes(c.bytes);
        EXPECT_EQ(loaded->Entries(), c.entries) << c.name;
    }
}

TEST(DictionaryReading, ReadsEmptyLinesPastTheEndAfterAMarker) {
    auto last = LoadBytes("x\n" + kMarker);
    EXPECT_EQ(last->Lines(), (Lines{"x", kMarker, "", ""}));
    EXPECT_EQ(last->Entries(), Lines{""});

    auto secondToLast = LoadBytes(kMarker + "\r\n  raw  \r\n");
    EXPECT_EQ(secondToLast->Lines(), (Lines{kMarker, "  raw  ", ""}));
    EXPECT_EQ(secondToLast->Entries(), Lines{""});
}

// Random files made of the bytes and pieces that matter to the line rules.
std::string RandomDictionary(std::mt19937& random, size_t pieces) {
    static const std::string kPieces[] = {
        "\n", "\r\n", "\r",  "\x1A", " ",        "\t", "a", "|", "T|x|", "#==TABLE no ", "#==TABLE no 7\r\n",
        "#",  "#==T", "\0"s, "F=",   "\xC0\xFF", "#=", "=="};
    std::uniform_int_distribution<size_t> pick(0, std::size(kPieces) - 1);
    std::string bytes;
    for (size_t i = 0; i < pieces; ++i) bytes += kPieces[pick(random)];
    return bytes;
}

TEST(DictionaryReading, AgreesWithALoopThatReadsByteByByte) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 3000; ++round) {
        const std::string bytes = RandomDictionary(random, 1 + round % 300);
        const fuzz::ReferenceDictionary expected = fuzz::ReadReferenceDictionary(bytes);
        const auto loaded = LoadBytes(bytes);
        ASSERT_EQ(loaded->Lines(), expected.lines) << "round " << round;
        ASSERT_EQ(loaded->Entries(), expected.entries) << "round " << round;
        for (size_t i = 0; i < expected.tableLines.size(); ++i) {
            ASSERT_EQ(loaded->view.List().EntryTableLine(static_cast<int32_t>(i)), expected.tableLines[i])
                << "round " << round;
        }
    }
}

}  // namespace
}  // namespace dd
