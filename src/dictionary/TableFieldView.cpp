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
// The field scan looks at the 999 lines from the third below the table line on.
constexpr int64_t kFirstScanOffset = 3;
constexpr int64_t kLastScanOffset = 1001;

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
void ShowFieldLine(Dictionary& dictionary, std::string_view line, GridModel& SG) {
    LineBuffer& M = dictionary.M;
    const int32_t row = AddRow(SG);
    M.SetFromText(SplitRecordLine(line, kFieldSeparator));
    for (int32_t j = 0; j < M.LineCount(); ++j) {
        M.ReplaceLine(j, TrimBlanks(M.LineAt(j)));
        M.ReplaceLine(j, ReplaceBeforeZero(M.LineAt(j), kFieldMark, ""));
    }
    for (int32_t j = 0; j < M.LineCount() && j < kGridColumns; ++j) SG.SetCell(j, row, M.LineAt(j));
}

void ShowTable(Dictionary& dictionary, const TableListModel& LB, GridModel& SG) {
    SG.SetRowCount(1);
    const int32_t tableLine = LB.EntryTableLine(LB.SelectedIndex());

    dictionary.M.SetFromText(SplitRecordLine(dictionary.MAll.LineAt(tableLine), kFieldSeparator));
    const std::string identifier(dictionary.M.LineAt(dictionary.IsSqlDictionary ? 2 : 3));
    AddRow(SG);
    SG.SetCell(1, 1, dictionary.IsSqlDictionary ? texts::kSqlTableIdentifier : texts::kDbfTableIdentifier);
    SG.SetCell(0, 1, identifier);

    for (int64_t offset = kFirstScanOffset; offset <= kLastScanOffset; ++offset) {
        const std::string_view line = LineAt(dictionary.MAll, tableLine + offset);
        if (Contains(line, kIndexesMark)) break;
        if (TrimBlanks(line) == "#") break;
        if (Contains(line, kFieldMark)) ShowFieldLine(dictionary, line, SG);
    }
}

}  // namespace

void LBClick(Dictionary& dictionary, const TableListModel& LB, GridModel& SG) {
    WithMemoryReported([&] { ShowTable(dictionary, LB, SG); });
}

}  // namespace dd
