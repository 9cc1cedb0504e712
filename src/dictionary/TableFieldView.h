#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dictionary/Dictionary.h"

namespace dd {

// The captions row of a new field grid, as loading writes it.
void WriteGridCaptions(GridModel& grid);

// The table's identifier as grid row 1 shows it: field 2 of its table line in the SQL edition, field 3
// in the DBF edition, untrimmed (see RecordField). The result may point into `scratch`.
std::string_view TableIdentifier(std::string_view tableLine, bool isSql, std::string& scratch);

// How the table view reads one table: its table line, then the lines below it one at a time for as
// long as it looks at them, each as loading stored it. It fills the grid as the table view shows it: row 1 the
// identifier, then one row per field line from the third line below the table line up to the 1001st,
// until a line holds "#----Indexes------" or trims to "#". Both readers of a dictionary, the whole file
// and the stream, show a table through it.
class TableFieldScan {
public:
    static constexpr int64_t kFirstOffset = 3;
    static constexpr int64_t kLastOffset = 1001;

    // Leaves the grid its row 0, the captions.
    TableFieldScan(GridModel& grid, bool isSql);

    // The table line: the identifier row.
    void TableLine(std::string_view line);
    // The line `offset` lines below the table line (1, 2, 3, ... in turn). False once the scan has ended:
    // this line ended it, or it was the last one the scan looks at.
    bool Line(int64_t offset, std::string_view line);
    // Whether the scan ended at an Indexes line: the table's indexes follow it.
    bool EndedAtIndexes() const noexcept { return endedAtIndexes_; }

private:
    GridModel& grid_;
    bool isSql_;
    bool endedAtIndexes_ = false;
};

// Shows the table of the selected list entry in the grid: row 1 its identifier, then one row per
// field line of its block. The table is the one the entry was made from, found by the line index
// that the entry keeps. Fails with the list error when nothing is selected; memory that runs out is the
// input/output error 8.
void ShowSelectedTable(Dictionary& dictionary, const TableListModel& list, GridModel& grid);

}  // namespace dd
