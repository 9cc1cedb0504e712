#include "dictionary/TableIndexes.h"

#include <algorithm>

#include "dictionary/LineScan.h"
#include "dictionary/SplitRecordLine.h"
#include "dictionary/TextLines.h"
#include "dictionary/TrimBlanks.h"

namespace dd {
namespace {

constexpr std::string_view kIndexMark = "I=";

std::vector<std::string> IndexedFields(std::string_view column) {
    std::vector<std::string> fields;
    if (column.empty()) return fields;
    for (size_t start = 0;;) {
        const size_t comma = column.find(',', start);
        fields.emplace_back(TrimBlanks(column.substr(start, comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

}  // namespace

TableIndex ParseIndexLine(std::string_view line) {
    std::string split;
    SplitRecordLine(line, kFieldSeparator, split);
    std::vector<std::string> columns;
    TextLines parts(split);
    for (std::string_view part; parts.Next(part);) columns.emplace_back(TrimBlanks(part));
    columns.resize(std::max<size_t>(columns.size(), 5));
    TableIndex index;
    index.name = ReplaceBeforeZero(columns[0], kIndexMark, "");
    index.description = std::move(columns[1]);
    index.unique = columns[2] == "1";
    index.fields = IndexedFields(columns[3]);
    index.lastColumn = std::move(columns[4]);
    return index;
}

bool TableIndexScan::Line(std::string_view line) {
    const std::string_view text = TrimBlanks(line);
    if (text == "#" || text.find(kTableMarker) != std::string_view::npos) return false;
    if (text.substr(0, kIndexMark.size()) == kIndexMark) indexes_.push_back(ParseIndexLine(text));
    return true;
}

}  // namespace dd
