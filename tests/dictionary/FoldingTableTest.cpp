#include <gtest/gtest.h>

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

// On Windows this compares the system's own lower-casing (code page 1251) with the table above.
TEST(FoldingTable, ProcessTableIsTheCodePagesLowerCasing) {
    const FoldingTable expected = Cp1251FoldingTable();
    const FoldingTable& actual = ProcessFoldingTable();
    for (int b = 0; b < 256; ++b) EXPECT_EQ(actual[b], expected[b]) << "byte " << b;
}

}  // namespace
}  // namespace dd
