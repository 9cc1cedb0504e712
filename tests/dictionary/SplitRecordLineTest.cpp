#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "dictionary/LineBuffer.h"
#include "dictionary/SplitRecordLine.h"
#include "dictionary/TrimBlanks.h"

namespace dd {
namespace {

using namespace std::string_literals;

std::vector<std::string> LinesOf(const LineBuffer& buffer) {
    std::vector<std::string> lines;
    for (int32_t i = 0; i < buffer.LineCount(); ++i) lines.emplace_back(buffer.LineAt(i));
    return lines;
}

TEST(TrimBlanks, RemovesBytesUpTo32FromBothEndsOnly) {
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"", ""},
        {" \t\r\n", ""},
        {"\0 a b \0"s, "a b"},
        {"\x1F"
         "x\x01",
         "x"},
        {"\xA0x\xA0", "\xA0x\xA0"},  // the no-break space stays
        {"\x7F"
         "x",
         "\x7F"
         "x"},
        {" a\tb ", "a\tb"},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimBlanks(c.text), c.expected) << c.text;
}

TEST(SplitRecordLine, GivesOneFieldPerLineWithBlankFieldsAtTheEndsDropped) {
    struct Case {
        std::string line;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"a|b|c", {"a", "b", "c"}},
        {"a | b |c", {"a ", " b ", "c"}},
        {"a||b", {"a", "", "b"}},
        {"|a|b|", {"a", "b"}},
        {" | |a", {"a"}},
        {"a", {"a"}},
        {"", {}},
        {"   ", {}},
        {"|a|", {"a"}},
        {"||", {}},
        // A zero byte stops the replacement and ends the text for the line buffer.
        {"a|b\0c|d"s, {"a", "b"}},
    };
    for (const auto& c : cases) {
        LineBuffer fields;
        fields.SetFromText(SplitRecordLine(c.line, "|"));
        EXPECT_EQ(LinesOf(fields), c.fields) << c.line;
    }
}

TEST(SplitRecordLine, LeavesSeparatorsAfterAZeroByteInTheText) {
    EXPECT_EQ(SplitRecordLine("a|b\0c|d"s, "|"), "a\r\nb\0c|d"s);
}

TEST(ReplaceBeforeZero, ReplacesLeftToRightWithoutOverlapOrSecondPass) {
    EXPECT_EQ(ReplaceBeforeZero("FF==", "F=", ""), "F=");
    EXPECT_EQ(ReplaceBeforeZero("aaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceBeforeZero("F=x\0F="s, "F=", ""), "x\0F="s);
    EXPECT_EQ(ReplaceBeforeZero("abc", "", "x"), "abc");
}

TEST(RecordField, MatchesTheLineBufferFilledFromTheSplitLine) {
    const std::string lines[] = {"T=SC12|Goods|SC12|SC12.DBF",
                                 " | |a|b",
                                 "|A|B",
                                 "A",
                                 "",
                                 "a||b",
                                 "x|\0|y"s,
                                 "a\rb|c",
                                 "a\n|b\r\n|c",
                                 " a | b | c "};
    for (const auto& line : lines) {
        LineBuffer fields;
        fields.SetFromText(SplitRecordLine(line, "|"));
        std::string scratch;
        for (int index = -1; index < 5; ++index) {
            EXPECT_EQ(RecordField(line, index, scratch), fields.LineAt(index)) << line << " field " << index;
        }
    }
}

TEST(TrimmedRecordField, IsTheTrimmedFieldOfTheSplitLine) {
    std::mt19937 random(1251);
    const std::string pieces[] = {"|", " ", "\t", "a", "bc", "\xA0", "\x01", "\0"s, "\r", "\n", "||"};
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
    for (int round = 0; round < 20000; ++round) {
        std::string line;
        for (int i = round % 12; i > 0; --i) line += pieces[pick(random)];
        std::string scratch, general;
        for (int index = -1; index < 4; ++index) {
            const std::string expected(TrimBlanks(RecordField(line, index, general)));
            ASSERT_EQ(TrimmedRecordField(line, index, scratch), expected) << "'" << line << "' field " << index;
        }
    }
}

}  // namespace
}  // namespace dd
