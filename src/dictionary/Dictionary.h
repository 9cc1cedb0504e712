#pragma once

#include <string>
#include <string_view>

#include "FieldGrid.h"
#include "FileBytes.h"
#include "LineBuffer.h"
#include "TableList.h"

namespace dd {

// One opened dictionary: its lines and its mode. Each viewer (and each run of the command-line tool)
// has its own, so the mode of one dictionary never changes how another is shown.
struct Dictionary {
    LineBuffer MAll;  // every line of the file
    LineBuffer M;     // scratch: one record line split into one field per line
    bool IsSqlDictionary = false;
};

// A dictionary of the SQL edition: the full path contains ".DDS" (case-sensitive, folders included).
bool PathIsSqlDictionary(std::string_view path);

// Writes the captions into row 0 of the grid, decides the mode from the path, reads the file whole,
// appends one list entry per table block, selects the first and shows it (LBClick).
// Fails with the input/output error of the file, or with the list error when the file holds no table;
// memory that runs out is the input/output error 8 (see WithMemoryReported).
void LoadDictionary(Dictionary& dictionary, const std::string& path, TableList& LB, FieldGrid& SG);

// The same for bytes already read: what follows the opening of the file.
void LoadDictionaryBytes(Dictionary& dictionary, std::string_view path, FileBytes bytes, TableList& LB, FieldGrid& SG);

}  // namespace dd
