#include "dictionary/TableFieldView.h"

#include <limits>

#include "dictionary/DictionaryTexts.h"
#include "dictionary/Error.h"
#include "dictionary/SplitRecordLine.h"
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

int32_t AddRow(GridModel& SG) {
    SG.SetRowCount(SG.RowCount() + 1);
    return SG.RowCount() - 1;
}

// One row of the grid from a field line: its parts trimmed, "F=" taken out, in columns 0 to 4.
void ShowFieldLine(LineBuffer& M, std::string_view line, GridModel& SG) {
    const int32_t row = AddRow(SG);
    M.SetFromText(SplitRecordLine(line, kFieldSeparator));
    for (int32_t j = 0; j < M.LineCount(); ++j) {
        M.ReplaceLine(j, TrimBlanks(M.LineAt(j)));
        M.ReplaceLine(j, ReplaceBeforeZero(M.LineAt(j), kFieldMark, ""));
    }
    for (int32_t j = 0; j < M.LineCount() && j < kGridColumns; ++j) SG.SetCell(j, row, M.LineAt(j));
}

void ShowTable(Dictionary& dictionary, const TableListModel& LB, GridModel& SG) {
    TableFieldScan scan(SG, dictionary.IsSqlDictionary,
                        dictionary.M);  // the header row stays when no entry is selected
    const int32_t tableLine = LB.EntryTableLine(LB.SelectedIndex());
    scan.TableLine(dictionary.MAll.LineAt(tableLine));
    for (int64_t offset = TableFieldScan::kFirstOffset; scan.Line(offset, LineAt(dictionary.MAll, tableLine + offset));
         ++offset) {
    }
}

}  // namespace

std::string_view TableIdentifier(std::string_view tableLine, bool isSql, std::string& scratch) {
    return RecordField(tableLine, isSql ? 2 : 3, scratch);
}

TableFieldScan::TableFieldScan(GridModel& SG, bool isSql, LineBuffer& M) : SG_(SG), isSql_(isSql), M_(M) {
    SG_.SetRowCount(1);
}

void TableFieldScan::TableLine(std::string_view line) {
    std::string scratch;
    const std::string identifier(TableIdentifier(line, isSql_, scratch));
    AddRow(SG_);
    SG_.SetCell(1, 1, isSql_ ? texts::kSqlTableIdentifier : texts::kDbfTableIdentifier);
    SG_.SetCell(0, 1, identifier);
}

bool TableFieldScan::Line(int64_t offset, std::string_view line) {
    if (offset < kFirstOffset) return true;
    if (Contains(line, kIndexesMark)) {
        endedAtIndexes_ = true;
        return false;
    }
    if (TrimBlanks(line) == "#") return false;
    if (Contains(line, kFieldMark)) ShowFieldLine(M_, line, SG_);
    return offset < kLastOffset;
}

void LBClick(Dictionary& dictionary, const TableListModel& LB, GridModel& SG) {
    WithMemoryReported([&] { ShowTable(dictionary, LB, SG); });
}

}  // namespace dd
