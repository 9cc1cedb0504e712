#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dictionary/GridModel.h"

namespace dd {

// One row of the grid as a line of the text export, without its line end: each cell trimmed of
// bytes 0..32 at both ends, cells 0 to 3 followed by spaces up to 15, 25, 5 and 7 bytes (a longer
// cell is kept whole and the next one follows it directly), cell 4 as it is.
std::string ExportRowLine(const GridModel& grid, int32_t row);

// The lines of the text export, without line ends: the title, "Идентификатор таблицы: " with
// cell (0, 1) untrimmed, "Поля: ", the row line of row 0, then those of rows 2 and on (row 1 never).
std::vector<std::string> ExportLines(bool isSqlDictionary, std::string_view listText, const GridModel& grid);

// The whole content of the export file: every line of ExportLines followed by CR LF, no byte-order
// mark, nothing after the last line end. The viewer and ddview write exactly these bytes.
std::string ExportFileBytes(bool isSqlDictionary, std::string_view listText, const GridModel& grid);

}  // namespace dd
