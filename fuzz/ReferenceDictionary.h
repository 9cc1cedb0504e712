#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dd::fuzz {

// A dictionary read the plain way: the file as one loop that takes one byte at a time, the lines
// kept as copies, the table view as a loop over those copies. Slow, but with nothing to get wrong
// but the rules themselves, so the indexed reader and the table view are checked against it.
struct ReferenceDictionary {
    std::vector<std::string> lines;    // what the loaded dictionary's lines hold
    std::vector<std::string> entries;  // the table list
    std::vector<int32_t> tableLines;   // the table line of each entry
};

ReferenceDictionary ReadReferenceDictionary(std::string_view bytes);

// The rows of the field grid (five cells each) that the table view shows for entry `entry`.
using ReferenceRow = std::array<std::string, 5>;
std::vector<ReferenceRow> ReferenceTableView(const ReferenceDictionary& dictionary, int32_t entry, bool isSql);

// One index of a table: Name, Descr, Unique ("1"), the indexed fields, DBName or Type.
struct ReferenceIndex {
    std::string name, description;
    bool unique = false;
    std::vector<std::string> fields;
    std::string lastColumn;
};
// The indexes of entry `entry`: the "I=" lines after the Indexes line that ended its field scan, up to a
// "#" line, a marker line or the end.
std::vector<ReferenceIndex> ReferenceTableIndexes(const ReferenceDictionary& dictionary, int32_t entry);

}  // namespace dd::fuzz
