#pragma once

#include <string_view>

#include "dictionary/FileBytes.h"
#include "dictionary/GridModel.h"
#include "dictionary/LineBuffer.h"
#include "dictionary/TableListModel.h"

namespace dd {

// One opened dictionary: its lines and its edition. Each viewer has its own, so the edition of one
// dictionary never changes how another is shown.
struct Dictionary {
    LineBuffer lines;  // every line of the file, as loading stores them
    bool isSqlEdition = false;
};

// A dictionary of the SQL edition: the file's own extension is ".DDS", in any letter case. Any other
// file (1Cv7.DD above all) is read as the DBF edition; the folders it lies in play no part.
bool PathIsSqlEdition(std::string_view path);

// Writes the captions into row 0 of the grid, decides the mode from the path, reads the file's bytes
// (`read` does the reading, scanned as they arrive), appends one list entry per table block, selects
// the first and shows it (ShowSelectedTable). Fails with the input/output error of the reading, or with the
// list error when the file holds no table; memory that runs out is the input/output error 8 (see
// WithMemoryReported). The captions and the mode are set even when reading fails.
void LoadDictionary(Dictionary& dictionary, std::string_view path, const FileReader& read, TableListModel& list,
                    GridModel& grid);

// The same for bytes already read.
void LoadDictionaryBytes(Dictionary& dictionary, std::string_view path, FileBytes bytes, TableListModel& list,
                         GridModel& grid);

}  // namespace dd
