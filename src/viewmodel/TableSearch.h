#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "dbf/DbfTable.h"
#include "viewmodel/SearchPattern.h"

namespace dd {

// How many bytes of records a search reads and searches at a time.
inline constexpr size_t kTableSearchRun = size_t{4} << 20;

// A cell of a base's table: its row (from 0, in file order, deleted rows included) and its column (the file's).
struct TablePlace {
    uint64_t row = 0;
    size_t column = 0;
    auto operator<=>(const TablePlace&) const = default;
};

// Looks for a text in a base's table as the viewer shows its cells (ShownValue), row by row, each row left
// to right: the first cell at or after `from` that holds it (backwards: the last at or before `from`). A run of
// rows is read at a time and searched as one block of bytes, so that a table of any size is searched at the
// speed of its reading; only the rows where the text stands (and, for a text that a date may hold, the dates)
// are looked at cell by cell. Fails with the table's input/output error.
std::optional<TablePlace> SearchTable(const DbfTable& table, const SearchPattern& pattern, TablePlace from,
                                      bool backwards, size_t runBytes = kTableSearchRun);

}  // namespace dd
