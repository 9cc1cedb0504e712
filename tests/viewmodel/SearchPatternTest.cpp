#include <gtest/gtest.h>

#include <string>

#include "dictionary/FoldingTable.h"
#include "support/ReferenceSearch.h"
#include "support/TestText.h"
#include "viewmodel/SearchPattern.h"

namespace dd {
namespace {

using test::Cp;

TEST(SearchPattern, FindsTheTextInACellByTheSearchRules) {
    struct Case {
        const char* name;
        std::string text;
        int flags;
        std::string cell;
        bool expected;
    };
    const Case cases[] = {
        {"plain", "SP74", 0, "SP74", true},
        {"inside", "P7", 0, "SP74", true},
        {"other case, Latin", "sp74", 0, "SP74", true},
        {"other case, Cyrillic", Cp(u8"цЕНА"), 0, Cp(u8"(P)ЦенаПродажи"), true},
        {"Ё and ё", Cp(u8"ёлка"), 0, Cp(u8"ЁЛКА"), true},
        {"Ё is not Е", Cp(u8"елка"), 0, Cp(u8"ЁЛКА"), false},
        {"the other letters of the code page", Cp(u8"ґїєі"), 0, Cp(u8"ҐЇЄІ"), true},
        {"match case: same case", "SP74", kFindMatchCase, "xSP74x", true},
        {"match case: other case", "sp74", kFindMatchCase, "SP74", false},
        {"match case: other case, Cyrillic", Cp(u8"цена"), kFindMatchCase, Cp(u8"Цена"), false},
        {"longer than the cell", "SP741", 0, "SP74", false},
        {"empty cell", "A", 0, "", false},
        {"whole word: the whole cell", "SP74", kFindWholeWords, "SP74", true},
        {"whole word: between blanks and signs", "SP74", kFindWholeWords, "(SP74) x", true},
        {"whole word: a digit follows", "SP74", kFindWholeWords, "SP741", false},
        {"whole word: an underscore follows", "SP74", kFindWholeWords, "SP74_A", false},
        {"whole word: a Cyrillic letter precedes", "SP74", kFindWholeWords, Cp(u8"яSP74"), false},
        {"whole word: Ё precedes", Cp(u8"лка"), kFindWholeWords, Cp(u8"Ёлка"), false},
        {"whole word: a later occurrence is one", "SP74", kFindWholeWords, "SP741 SP74", true},
        {"whole word: an overlapping later occurrence", "aa", kFindWholeWords, "aaa aa", true},
        {"whole word: none of the occurrences", "SP74", kFindWholeWords, "SP741 XSP74", false},
        {"whole word: other case", "sp74", kFindWholeWords, "a SP74", true},
        {"whole word: no-break space and No sign are no letters", "SP74", kFindWholeWords, "\xA0SP74\xB9", true},
        {"whole word: a text with blanks", "B C", kFindWholeWords, "A B C D", true},
        {"whole word: a text with blanks inside a word", "B C", kFindWholeWords, "AB C", false},
        {"bytes that fold to nothing else", "|#", 0, "a|#b", true},
        {"candidates that fail before the one that matches", "aab", 0, "aaaaaab", true},
        {"a capital and a small letter as candidates in turn", "ab", 0, "aBxAcAB", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SearchPattern pattern(c.text, (c.flags & kFindMatchCase) != 0, (c.flags & kFindWholeWords) != 0);
        EXPECT_EQ(pattern.FoundIn(c.cell), c.expected);
    }
}

TEST(SearchPattern, EmptyTextIsFoundNowhere) {
    for (const int flags : {0, kFindMatchCase, kFindWholeWords}) {
        const SearchPattern pattern("", (flags & kFindMatchCase) != 0, (flags & kFindWholeWords) != 0);
        EXPECT_TRUE(pattern.Empty());
        EXPECT_FALSE(pattern.FoundIn(""));
        EXPECT_FALSE(pattern.FoundIn("abc"));
    }
}

TEST(SearchPattern, WordBytesAreLettersDigitsAndUnderscore) {
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(IsWordByte(static_cast<unsigned char>(b)), test::ReferenceIsWordByte(static_cast<unsigned char>(b)))
            << "byte " << b;
    }
}

}  // namespace
}  // namespace dd
