#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dd {

// One index of a table, from its "I=" line: Name|Descr|Unique|Indexed fields|DBName (DBF edition) or
// Type (SQL edition).
struct TableIndex {
    std::string name;
    std::string description;
    bool unique = false;              // the column is "1"
    std::vector<std::string> fields;  // the indexed fields, split at ","
    std::string lastColumn;           // DBName in the DBF edition, Type in the SQL edition
    bool operator==(const TableIndex&) const = default;
};

// An "I=" line split as a field line is: its parts trimmed, "I=" taken out of the first one. Each indexed
// field is trimmed; an empty column has none.
TableIndex ParseIndexLine(std::string_view line);

// The indexes of one table: the "I=" lines (their text trimmed, starting with "I=") that follow the
// Indexes line at which its field scan ended (see TableFieldScan), up to a line that trims to "#", the next
// line that holds the table marker, or the end of the file. Takes the lines after the Indexes line one at a time.
class TableIndexScan {
public:
    // False at the line that ends the table's indexes.
    bool Line(std::string_view line);
    const std::vector<TableIndex>& Indexes() const noexcept { return indexes_; }
    std::vector<TableIndex>& Indexes() noexcept { return indexes_; }

private:
    std::vector<TableIndex> indexes_;
};

}  // namespace dd
