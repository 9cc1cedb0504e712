#include "dictionary/TableFieldView.h"

#include <limits>

#include "dictionary/DictionaryTexts.h"
#include "dictionary/Error.h"
#include "dictionary/SplitRecordLine.h"
#include "dictionary/TextLines.h"
#include "dictionary/TrimBlanks.h"

namespace dd {
namespace {

constexpr std::string_view kFieldMark = "F=";
constexpr std::string_view kIndexesMark = "#----Indexes------";

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string_view LineAt(const LineBuffer& buffer, int64_t index) {
    return index <= std::numeric_limits<int32_t>::max() ? buffer.LineAt(static_cast<int32_t>(index))
                                                        : std::string_view{};
}

int32_t AddRow(GridModel& grid) {
    grid.SetRowCount(grid.RowCount() + 1);
    return grid.RowCount() - 1;
}

// One row of the grid from a field line: its parts trimmed, "F=" taken out, in columns 0 to 4. The
// parts are the lines of the split line, as a line buffer would take them in.
void ShowFieldLine(std::string_view line, GridModel& grid) {
    const int32_t row = AddRow(grid);
    std::string split, cell;
    SplitRecordLine(line, kFieldSeparator, split);
    TextLines parts(split);
    std::string_view part;
    for (int column = 0; column < kGridColumns && parts.Next(part); ++column) {
        ReplaceBeforeZero(TrimBlanks(part), kFieldMark, "", cell);
        grid.SetCell(column, row, cell);
    }
}

void ShowTable(Dictionary& dictionary, const TableListModel& list, GridModel& grid) {
    // Made first: the header row stays when no entry is selected.
    TableFieldScan scan(grid, dictionary.isSqlEdition);
    const int32_t tableLine = list.EntryTableLine(list.SelectedIndex());
    scan.TableLine(dictionary.lines.LineAt(tableLine));
    for (int64_t offset = TableFieldScan::kFirstOffset; scan.Line(offset, LineAt(dictionary.lines, tableLine + offset));
         ++offset) {
    }
}

}  // namespace

void WriteGridCaptions(GridModel& grid) {
    for (int column = 0; column < kGridColumns; ++column) grid.SetCell(column, 0, texts::kGridCaptions[column]);
}

std::string_view TableIdentifier(std::string_view tableLine, bool isSql, std::string& scratch) {
    return RecordField(tableLine, isSql ? 2 : 3, scratch);
}

TableFieldScan::TableFieldScan(GridModel& grid, bool isSql) : grid_(grid), isSql_(isSql) { grid_.SetRowCount(1); }

void TableFieldScan::TableLine(std::string_view line) {
    std::string scratch;
    const std::string identifier(TableIdentifier(line, isSql_, scratch));
    AddRow(grid_);
    grid_.SetCell(1, 1, isSql_ ? texts::kSqlTableIdentifier : texts::kDbfTableIdentifier);
    grid_.SetCell(0, 1, identifier);
}

bool TableFieldScan::Line(int64_t offset, std::string_view line) {
    if (offset < kFirstOffset) return true;
    if (Contains(line, kIndexesMark)) {
        endedAtIndexes_ = true;
        return false;
    }
    if (TrimBlanks(line) == "#") return false;
    if (Contains(line, kFieldMark)) ShowFieldLine(line, grid_);
    return offset < kLastOffset;
}

void ShowSelectedTable(Dictionary& dictionary, const TableListModel& list, GridModel& grid) {
    WithMemoryReported([&] { ShowTable(dictionary, list, grid); });
}

}  // namespace dd
