#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/LineBuffer.h"
#include "support/TestText.h"

namespace dd {
namespace {

using namespace std::string_literals;
using test::Cp;

std::vector<std::string> LinesOf(const LineBuffer& buffer) {
    std::vector<std::string> lines;
    for (int32_t i = 0; i < buffer.LineCount(); ++i) lines.emplace_back(buffer.LineAt(i));
    return lines;
}

TEST(LineBuffer, LineAtOutsideTheBufferIsEmpty) {
    LineBuffer buffer;
    EXPECT_EQ(buffer.LineAt(-1), "");
    EXPECT_EQ(buffer.LineAt(0), "");
    buffer.AppendLine("a");
    EXPECT_EQ(buffer.LineAt(-1), "");
    EXPECT_EQ(buffer.LineAt(1), "");
    EXPECT_EQ(buffer.LineAt(0), "a");
}

TEST(LineBuffer, SetFromTextEndsLinesAtEveryKindOfBreakAndAtAZeroByte) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\r\n", {"a"}},
        {"a\0b"s, {"a"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"\n\n", {"", ""}},
        {" a \t", {" a \t"}},
    };
    for (const auto& c : cases) {
        LineBuffer buffer;
        buffer.AppendLine("old");
        buffer.SetFromText(c.text);
        EXPECT_EQ(LinesOf(buffer), c.lines) << c.text;
    }
}

TEST(LineBuffer, StoresAppendedAndReplacedLinesUnchanged) {
    LineBuffer buffer;
    buffer.AppendLine("a\r\nb");
    buffer.AppendLine("\0x"s);
    buffer.ReplaceLine(0, " c ");
    buffer.ReplaceLine(5, "ignored");
    EXPECT_EQ(LinesOf(buffer), (std::vector<std::string>{" c ", "\0x"s}));
    buffer.ClearLines();
    EXPECT_EQ(buffer.LineCount(), 0);
}

TEST(LineBuffer, ReplaceLineMayTakeATextOfTheBufferItself) {
    LineBuffer buffer;
    buffer.SetFromText("  padded  \r\nnext");
    buffer.ReplaceLine(0, buffer.LineAt(0).substr(2, 6));
    EXPECT_EQ(buffer.LineAt(0), "padded");
    EXPECT_EQ(buffer.LineAt(1), "next");
}

TEST(FindFirstLine, FindsTheFirstLineContainingThePatternWithLettersFolded) {
    LineBuffer buffer;
    buffer.AppendLine("header");
    buffer.AppendLine(Cp(u8"T=SC1|Товары склада|x"));
    buffer.AppendLine(Cp(u8"T=SC2|ТОВАРЫ|x"));
    struct Case {
        std::string pattern;
        int32_t line;
    };
    const Case cases[] = {
        {Cp(u8"|товары"), 2},
        {Cp(u8"|ТОВАРЫ "), 2},
        {Cp(u8"|товары|"), 3},
        {"|", 2},
        {"HEAD", 1},
        {"headerX", 0},
        {"", 0},
        {Cp(u8"ё"), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(buffer.FindFirstLine(c.pattern), c.line) << c.pattern;
    EXPECT_EQ(LineBuffer().FindFirstLine("x"), 0);
}

TEST(FindFirstLine, FoldsYoAndLatinButNotOtherBytes) {
    LineBuffer buffer;
    buffer.AppendLine(Cp(u8"Ёлка"));
    buffer.AppendLine("Q-1");
    EXPECT_EQ(buffer.FindFirstLine(Cp(u8"ЁЛКА")), 1);
    EXPECT_EQ(buffer.FindFirstLine(Cp(u8"ёлка")), 1);
    EXPECT_EQ(buffer.FindFirstLine("q-1"), 2);
    EXPECT_EQ(buffer.FindFirstLine("q_1"), 0);
}

}  // namespace
}  // namespace dd
