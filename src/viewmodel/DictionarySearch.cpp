#include "viewmodel/DictionarySearch.h"

#include <algorithm>

#include "dictionary/TableFieldView.h"
#include "viewmodel/CandidateLines.h"

namespace dd {
namespace {

// The searchable cells of a grid in reading order: row 1's identifier, then the field rows' cells.
int32_t SearchableCellCount(const GridModel& grid) {
    return grid.RowCount() < 2 ? 0 : 1 + (grid.RowCount() - 2) * kGridColumns;
}

FindPosition SearchableCell(int32_t entry, int32_t index) {
    if (index == 0) return {entry, 1, 0};
    return {entry, 2 + (index - 1) / kGridColumns, static_cast<int>((index - 1) % kGridColumns)};
}

class TableSearch {
public:
    TableSearch(Dictionary& dictionary, const TableListModel& list, const SearchPattern& pattern)
        : dictionary_(dictionary), list_(list), pattern_(pattern), lines_(dictionary.lines, pattern) {}

    bool DescriptionHolds(int32_t entry) const { return pattern_.FoundIn(list_.EntryTextView(entry)); }

    // Builds the grid of the entry's table when its lines may hold the text; false when they cannot.
    bool BuildGrid(int32_t entry) {
        const int32_t tableLine = list_.EntryTableLine(entry);
        if (!lines_.TableMayHold(tableLine)) return false;
        TableListModel one;
        one.AppendEntry({}, tableLine);
        one.SelectEntry(0);
        ShowSelectedTable(dictionary_, one, grid_);
        return true;
    }

    const GridModel& Grid() const noexcept { return grid_; }
    bool CellHolds(FindPosition cell) const { return pattern_.FoundIn(grid_.Cell(cell.column, cell.row)); }

private:
    Dictionary& dictionary_;
    const TableListModel& list_;
    const SearchPattern& pattern_;
    CandidateLines lines_;
    GridModel grid_;
};

std::optional<FindPosition> SearchForwards(TableSearch& search, int32_t entryCount, FindPosition from) {
    for (int32_t entry = std::max(from.entry, 0); entry < entryCount; ++entry) {
        const FindPosition description{entry, kDescriptionRow, 0};
        if (from < description && search.DescriptionHolds(entry)) return description;
        if (!search.BuildGrid(entry)) continue;
        const int32_t cells = SearchableCellCount(search.Grid());
        for (int32_t index = 0; index < cells; ++index) {
            const FindPosition cell = SearchableCell(entry, index);
            if (from < cell && search.CellHolds(cell)) return cell;
        }
    }
    return std::nullopt;
}

std::optional<FindPosition> SearchBackwards(TableSearch& search, int32_t entryCount, FindPosition from) {
    for (int32_t entry = std::min(from.entry, entryCount - 1); entry >= 0; --entry) {
        if (search.BuildGrid(entry)) {
            for (int32_t index = SearchableCellCount(search.Grid()) - 1; index >= 0; --index) {
                const FindPosition cell = SearchableCell(entry, index);
                if (cell < from && search.CellHolds(cell)) return cell;
            }
        }
        const FindPosition description{entry, kDescriptionRow, 0};
        if (description < from && search.DescriptionHolds(entry)) return description;
    }
    return std::nullopt;
}

}  // namespace

std::optional<FindPosition> SearchTables(Dictionary& dictionary, const TableListModel& list,
                                         const SearchPattern& pattern, FindPosition from, bool backwards) {
    if (pattern.Empty()) return std::nullopt;
    TableSearch search(dictionary, list, pattern);
    return backwards ? SearchBackwards(search, list.EntryCount(), from)
                     : SearchForwards(search, list.EntryCount(), from);
}

}  // namespace dd
