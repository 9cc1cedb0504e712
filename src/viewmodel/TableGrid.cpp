#include "viewmodel/TableGrid.h"

#include <algorithm>
#include <limits>

#include "viewmodel/TableCells.h"

namespace dd {
namespace {

// Rows are read a run at a time, a screenful or two; a few runs are kept, for a grid that scrolls back and forth.
constexpr size_t kRowsPerRun = 128;
constexpr size_t kRunsKept = 4;
constexpr std::string_view kDeletedMark = "*";

}  // namespace

TableGrid::TableGrid(const BaseTable& table)
    : table_(table),
      rows_(
          static_cast<int32_t>(std::min<uint64_t>(table.Table().RowCount(), std::numeric_limits<int32_t>::max() - 1))) {
    Reset();
}

const DbfRow* TableGrid::Record(uint64_t row) const {
    const uint64_t first = row - row % kRowsPerRun;
    auto run =
        std::find_if(runs_.begin(), runs_.end(), [&](const Run& r) { return r.first == first && !r.rows.Empty(); });
    if (run == runs_.end()) {
        if (runs_.size() < kRunsKept) {
            runs_.emplace_back();
            run = runs_.end() - 1;
        } else {
            run = std::min_element(runs_.begin(), runs_.end(),
                                   [](const Run& a, const Run& b) { return a.lastUse < b.lastUse; });
        }
        run->first = first;
        run->rows = table_.Table().ReadRows(first, kRowsPerRun, run->buffer);
    }
    run->lastUse = ++uses_;
    const uint64_t index = row - first;
    if (index >= run->rows.Count()) return nullptr;
    record_ = run->rows[static_cast<size_t>(index)];
    return &record_;
}

std::string_view TableGrid::Cell(int column, int32_t row) const {
    if (column < 0 || column >= ColumnCount() || row < 0 || row >= RowCount()) return {};
    if (row == 0)
        return column == 0 ? std::string_view{} : std::string_view(table_.Columns()[TableColumn(column)].readableName);
    const DbfRow* record = Record(TableRow(row));
    if (record == nullptr) return {};
    if (column == 0) return record->Deleted() ? kDeletedMark : std::string_view{};
    return ShownValue(record->Value(table_.Columns()[TableColumn(column)].index), text_).text;
}

CellLook TableGrid::Look(int column, int32_t row) const {
    if (row <= 0 || column < 0 || column >= ColumnCount()) return {};
    const DbfRow* record = Record(TableRow(row));
    if (record == nullptr) return {};
    CellLook look;
    look.greyed = record->Deleted();
    if (column > 0) {
        const DbfColumn& shape = *table_.Columns()[TableColumn(column)].column;
        look.alignRight = shape.type == 'N';
    }
    return look;
}

}  // namespace dd
