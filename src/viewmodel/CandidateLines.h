#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/LineBuffer.h"
#include "viewmodel/SearchPattern.h"

namespace dd {

// Whether the grid of a table may hold a search text, told from the dictionary's lines without
// building the grid, so that a search builds only the grids that may. Never false for a grid that
// holds it; it rests on what the table view does with the lines:
//  - the grid's cells come from the table line (the identifier, a part of it) and from the lines that
//    hold "F=" among the 1001 lines below it (a row each);
//  - a row's cells are parts of its line between separators, trimmed, with every "F=" taken out.
// So a cell stands in its line with the "F=" taken out, between a separator, a blank or the line's
// end on either side (bytes that are not word bytes): a text that a cell holds (as a whole word or not)
// stands that way in the line too. Taking "F=" out can join text that did not stand together, so a
// line is looked at both as it is and without them. A line with a zero byte is never ruled out.
// Lines are checked in blocks, the first time a table asks for one of them.
class CandidateLines {
public:
    // Both must outlive this object.
    CandidateLines(const LineBuffer& lines, const SearchPattern& pattern);

    // Whether the grid of the table whose table line is at the index may hold the text.
    bool TableMayHold(int32_t tableLine);

private:
    bool LineMayHold(std::string_view line);
    bool AnyFieldLineBetween(int64_t first, int64_t last);
    void CheckBlock(size_t block);

    const LineBuffer& lines_;
    const SearchPattern& pattern_;
    std::vector<uint64_t> candidates_;  // one bit per line: a field line that may hold the text
    std::vector<bool> checked_;         // one per block of lines
    std::string withoutFieldMarks_;     // scratch
};

}  // namespace dd
