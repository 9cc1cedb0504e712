#pragma once

#include <compare>
#include <cstdint>
#include <optional>

#include "dictionary/Dictionary.h"
#include "viewmodel/SearchPattern.h"

namespace dd {

// The row of a FindPosition that stands for the table's description, before the grid's rows.
inline constexpr int32_t kDescriptionRow = -1;

// A place a search looks at: the description of a table (its list entry's text) or a cell of the grid
// the table view shows for it. Positions compare in reading order: table by table, the description
// first, then the cells row by row, left to right.
struct FindPosition {
    int32_t entry = 0;
    int32_t row = kDescriptionRow;
    int column = 0;

    bool IsDescription() const noexcept { return row == kDescriptionRow; }
    auto operator<=>(const FindPosition&) const = default;
};

// The first place after `from` (the last one before it, backwards) that holds the pattern. The places
// are, for each table of the list, its description, row 1's identifier cell and the five cells of every
// field row; row 0's captions and row 1's fixed wording stand in every table and are never looked at.
// `from` need not be a searchable place itself: a cell of row 0, say, or an entry just outside the list.
// The grids are built in scratch storage (only the dictionary's scratch lines change), and only for
// tables whose lines may hold the text.
std::optional<FindPosition> SearchTables(Dictionary& dictionary, const TableListModel& list,
                                         const SearchPattern& pattern, FindPosition from, bool backwards);

}  // namespace dd
