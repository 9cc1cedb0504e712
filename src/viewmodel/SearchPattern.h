#pragma once

#include <string_view>
#include <vector>

#include "dictionary/FoldingTable.h"

namespace dd {

// The flags of the Lister's search (the SearchParameter of ListSearchText), with the Lister's own
// values, so the viewer hands them on unchanged.
inline constexpr int kFindFirst = 1;
inline constexpr int kFindMatchCase = 2;
inline constexpr int kFindWholeWords = 4;
inline constexpr int kFindBackwards = 8;

// Whether a byte is part of a word for the whole-words search: a letter of Windows-1251 (Latin,
// Cyrillic with Ё and ё, the other letters of the code page), a digit or "_".
bool IsWordByte(unsigned char byte) noexcept;

// A search text with its rules, made once and looked for in many texts. Letters are compared folded
// by the Windows-1251 table whatever the system's code page, or byte for byte when case matters.
class SearchPattern {
public:
    SearchPattern(std::string_view text, bool matchCase, bool wholeWords);

    bool Empty() const noexcept { return pattern_.empty(); }
    // Whether the text stands in the cell, between non-word bytes or the cell's ends when whole words
    // are asked for. An empty pattern is found nowhere.
    bool FoundIn(std::string_view cell) const noexcept;
    // Where the text next stands at or after `from` in any bytes (words not looked at); npos when nowhere.
    // A search through a long run of bytes finds the few places that FoundIn is then asked about.
    size_t Find(std::string_view text, size_t from) const noexcept;
    // Whether every byte of the pattern, as compared, is one of `bytes` (as compared): whether the pattern
    // can stand in a text made of those bytes alone.
    bool MadeOf(std::string_view bytes) const noexcept;
    // Whether the pattern holds the byte (as compared).
    bool Holds(char byte) const noexcept;

private:
    bool IsWholeWordAt(std::string_view text, size_t at) const noexcept;

    FoldingTable fold_;                   // the identity when case matters
    std::vector<unsigned char> pattern_;  // folded
    bool wholeWords_;
    // The pattern's byte that the search looks for first, with memchr for each byte that folds to it:
    // the one with the fewest such bytes (a digit or a sign before a letter, which has two).
    size_t anchor_ = 0;
    unsigned char anchorBytes_[2] = {};
    int anchorByteCount_ = 0;  // more than 2: the bytes are compared one by one through the table
};

}  // namespace dd
