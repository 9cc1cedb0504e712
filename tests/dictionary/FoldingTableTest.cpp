#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include "dictionary/FoldingTable.h"
#include "support/TestText.h"

namespace dd {
namespace {

using test::Cp;

TEST(FoldingTable, LowerCasesTheCapitalsOfTheCodePageAndNothingElse) {
    const FoldingTable table = Cp1251FoldingTable();
    const std::string capitals = Cp(u8"ABCXYZАБВЭЮЯЁЂЃЉЊЌЋЏЎЈҐЄЇІЅ");
    const std::string smalls = Cp(u8"abcxyzабвэюяёђѓљњќћџўјґєїіѕ");
    for (size_t i = 0; i < capitals.size(); ++i) {
        EXPECT_EQ(table[static_cast<unsigned char>(capitals[i])], static_cast<unsigned char>(smalls[i])) << i;
    }
    int changed = 0;
    for (int b = 0; b < 256; ++b) changed += table[b] != b;
    EXPECT_EQ(changed, 26 + 32 + 15);
    for (char c : std::string("0123456789|#=-_ \t") + smalls) {
        EXPECT_EQ(table[static_cast<unsigned char>(c)], static_cast<unsigned char>(c));
    }
}

TEST(FoldingTable, TheProcessTableIsWindows1251sWhateverTheSystem) {
    const FoldingTable expected = Cp1251FoldingTable();
    const FoldingTable& actual = ProcessFoldingTable();
    for (int b = 0; b < 256; ++b) EXPECT_EQ(actual[b], expected[b]) << "byte " << b;
}

#ifdef _WIN32
// Windows' own lower-casing of the letters of code page 1251 (whatever the system's ANSI code page):
// the table folds as Windows would on a Russian system.
TEST(FoldingTable, EqualsWindowsOwnLowerCasingOfCodePage1251) {
    char bytes[256];
    for (int b = 0; b < 256; ++b) bytes[b] = static_cast<char>(b);
    wchar_t wide[256];
    ASSERT_EQ(MultiByteToWideChar(1251, 0, bytes, 256, wide, 256), 256);
    CharLowerBuffW(wide, 256);
    char lowered[256];
    ASSERT_EQ(WideCharToMultiByte(1251, 0, wide, 256, lowered, 256, nullptr, nullptr), 256);
    const FoldingTable expected = Cp1251FoldingTable();
    for (int b = 0; b < 256; ++b) EXPECT_EQ(static_cast<unsigned char>(lowered[b]), expected[b]) << "byte " << b;
}
#endif

}  // namespace
}  // namespace dd
