#include <gtest/gtest.h>

#include "outputs/PrintCommandText.h"

namespace dd {
namespace {

TEST(DescribePrintCommand, NamesEveryCommandAndEscapesItsBytes) {
    struct Case {
        PrintCommand command;
        std::string expected;
    };
    const Case cases[] = {
        {BeginDocument{"SQL-\xF2\xE0"}, "begin document \"SQL-\\xF2\\xE0\""},
        {SetPenColour{kBlack}, "pen colour 000000"},
        {SetPenColour{0x0000FF}, "pen colour 0000FF"},
        {SetFontName{"Times New Roman"}, "font name \"Times New Roman\""},
        {SetFontSize{9}, "font size 9"},
        {SetFontStyle{FontStyle::Bold}, "font style bold"},
        {SetFontStyle{FontStyle::Regular}, "font style regular"},
        {TextAt{0, 100, "a\"b\\c"}, "text at (0, 100) \"a\\x22b\\x5Cc\""},
        {TextInRect{{0, 300, 970, 450}, 50, 350, std::string("\t\0", 2)},
         "text in (0, 300, 970, 450) at (50, 350) \"\\x09\\x00\""},
        {TextInRect{{2500, 300, 2305, 450}, -1, -2, ""}, "text in (2500, 300, 2305, 450) at (-1, -2) \"\""},
        {NextPage{}, "next page"},
        {EndDocument{}, "end document"},
    };
    for (const Case& c : cases) EXPECT_EQ(DescribePrintCommand(c.command), c.expected);
}

}  // namespace
}  // namespace dd
