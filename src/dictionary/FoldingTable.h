#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace dd {

// One byte per byte value: its lower-case form in the ANSI code page. The table search of the
// line buffer compares texts through it, so letters match whatever their case.
using FoldingTable = std::array<unsigned char, 256>;

// The lower-casing of Windows-1251: Latin A..Z, Cyrillic А..Я, Ё and the other capitals of the code page.
FoldingTable Cp1251FoldingTable();

// The table of the table search: always Windows-1251's, whatever the system's code page, since the
// dictionaries are written in it.
const FoldingTable& ProcessFoldingTable();

// A pattern folded once, to be looked for in many texts.
class FoldedPattern {
public:
    FoldedPattern(std::string_view pattern, const FoldingTable& table);

    bool Empty() const noexcept { return folded_.empty(); }
    // Whether the text contains the pattern anywhere, letters folded on both sides.
    bool FoundIn(std::string_view text) const noexcept;

private:
    const FoldingTable* table_;
    std::vector<unsigned char> folded_;
    // Byte values that fold to the pattern's first byte: usually one or two.
    unsigned char firstBytes_[4] = {};
    int firstByteCount_ = 0;  // more than 4 preimages: scan with the table
};

}  // namespace dd
