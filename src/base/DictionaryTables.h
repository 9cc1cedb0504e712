#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/DictionaryStream.h"
#include "dictionary/TableIndexes.h"

namespace dd {

// A field of a table as the dictionary describes it: the five cells of its row in the field grid.
struct DictionaryField {
    std::string name;
    std::string description;
    std::string type;
    std::string length;
    std::string precision;
    bool operator==(const DictionaryField&) const = default;
};

// A table of a dictionary, all that the base's data needs of it. Texts in Windows-1251.
struct DictionaryTable {
    int32_t entry = 0;        // its number in the list, from 0
    std::string identifier;   // row 1 of its grid, trimmed: the name of its file (SC167) or SQL table
    std::string description;  // the list's text, which the dictionary cuts at 30 characters
    std::string wholeName;    // from its marker line; empty when the line names none
    std::vector<DictionaryField> fields;
    std::vector<TableIndex> indexes;

    // The whole name where the marker line gives one, else the description.
    const std::string& Name() const noexcept { return wholeName.empty() ? description : wholeName; }
};

// Every table of a dictionary, in file order.
struct DictionaryTables {
    bool isSqlEdition = false;
    std::vector<DictionaryTable> tables;

    // The table whose identifier is `identifier`, letters in any case (the Windows-1251 folding); the first
    // of several; null when none.
    const DictionaryTable* Find(std::string_view identifier) const noexcept;
};

// Reads the dictionary once, front to back, through the stream reader. Fails with the source's error,
// and when the file is no dictionary (NotADictionaryMessage).
DictionaryTables ReadDictionaryTables(ByteSource& bytes, bool isSqlEdition);

// The same for the dictionary at the path, its edition from its extension.
DictionaryTables ReadDictionaryTablesAt(const std::string& path);

}  // namespace dd
