#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/Cp1251.h"
#include "dictionary/FoldingTable.h"
#include "fuzz/ReferenceDictionary.h"
#include "viewmodel/DictionarySearch.h"
#include "viewmodel/SearchPattern.h"

// The search's rules read plainly, for the tests to compare the viewer's search with: every place of
// every table from the byte-by-byte reference reading, and a naive "contains" over each.
namespace dd::test {

// A word byte read from the character the byte stands for: an ASCII letter or digit, "_", or a letter
// of the code page, which are its Cyrillic characters and the micro sign.
inline bool ReferenceIsWordByte(unsigned char byte) {
    const std::string utf8 = Utf8FromCp1251(std::string(1, static_cast<char>(byte)));
    auto continuation = [&](size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(utf8[i]) & 0x3F); };
    char32_t code = static_cast<unsigned char>(utf8[0]);
    if (utf8.size() == 2) code = ((code & 0x1F) << 6) | continuation(1);
    if (utf8.size() == 3) code = ((code & 0x0F) << 12) | (continuation(1) << 6) | continuation(2);
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') ||
           code == '_' || (code >= 0x400 && code <= 0x4FF) || code == 0xB5;
}

// Whether the cell holds the text under the Lister's flags, tried at every offset.
inline bool ReferenceHolds(std::string_view cell, std::string_view text, int flags) {
    if (text.empty()) return false;
    const FoldingTable table = Cp1251FoldingTable();
    auto same = [&](char a, char b) {
        if (flags & kFindMatchCase) return a == b;
        return table[static_cast<unsigned char>(a)] == table[static_cast<unsigned char>(b)];
    };
    for (size_t at = 0; at + text.size() <= cell.size(); ++at) {
        bool match = true;
        for (size_t k = 0; k < text.size() && match; ++k) match = same(cell[at + k], text[k]);
        if (!match) continue;
        if (!(flags & kFindWholeWords)) return true;
        const size_t end = at + text.size();
        const bool wordBefore = at > 0 && ReferenceIsWordByte(static_cast<unsigned char>(cell[at - 1]));
        const bool wordAfter = end < cell.size() && ReferenceIsWordByte(static_cast<unsigned char>(cell[end]));
        if (!wordBefore && !wordAfter) return true;
    }
    return false;
}

struct ReferencePlace {
    FindPosition position;
    std::string text;
};

// Every searchable place in reading order: each table's description, row 1's identifier, the field
// rows' five cells.
inline std::vector<ReferencePlace> ReferencePlaces(std::string_view bytes, bool isSql) {
    const fuzz::ReferenceDictionary reference = fuzz::ReadReferenceDictionary(bytes);
    std::vector<ReferencePlace> places;
    for (int32_t entry = 0; entry < static_cast<int32_t>(reference.entries.size()); ++entry) {
        places.push_back({{entry, kDescriptionRow, 0}, reference.entries[static_cast<size_t>(entry)]});
        const std::vector<fuzz::ReferenceRow> rows = fuzz::ReferenceTableView(reference, entry, isSql);
        places.push_back({{entry, 1, 0}, rows[1][0]});
        for (size_t row = 2; row < rows.size(); ++row) {
            for (int column = 0; column < 5; ++column) {
                places.push_back({{entry, static_cast<int32_t>(row), column}, rows[row][static_cast<size_t>(column)]});
            }
        }
    }
    return places;
}

// The places that hold the text, in reading order.
inline std::vector<FindPosition> ReferenceHits(const std::vector<ReferencePlace>& places, std::string_view text,
                                               int flags) {
    std::vector<FindPosition> hits;
    for (const ReferencePlace& place : places) {
        if (ReferenceHolds(place.text, text, flags)) hits.push_back(place.position);
    }
    return hits;
}

// The hits a search from the start (kFindFirst) finds one after the other while `selected` is the
// selected table: from its description on, or backwards from its last cell to the first table's
// description, in the order they are found. With no table selected (-1), every hit.
inline std::vector<FindPosition> ReferenceHitsFromTable(const std::vector<ReferencePlace>& places,
                                                        std::string_view text, int flags, int32_t selected) {
    const bool backwards = (flags & kFindBackwards) != 0;
    std::vector<FindPosition> hits;
    for (const FindPosition& hit : ReferenceHits(places, text, flags)) {
        if (selected < 0 || (backwards ? hit.entry <= selected : hit.entry >= selected)) hits.push_back(hit);
    }
    if (backwards) std::reverse(hits.begin(), hits.end());
    return hits;
}

}  // namespace dd::test
