#include "viewmodel/TableSearch.h"

#include <algorithm>
#include <string>
#include <vector>

#include "viewmodel/TableCells.h"

namespace dd {
namespace {

constexpr std::string_view kLogicalShownBytes = "truefalse";

class CellSearch {
public:
    CellSearch(const DbfTable& table, const SearchPattern& pattern, size_t runBytes)
        : table_(table),
          pattern_(pattern),
          perRun_(std::max<size_t>(1, runBytes / table.RecordLength())),
          controlsAsSpaces_(pattern.Holds(' ')) {
        // Columns whose shown text is not the bytes of the file: those must be looked at in every row, for a
        // text that they may hold.
        const auto& columns = table.Columns();
        for (size_t column = 0; column < columns.size(); ++column) {
            const char type = columns[column].type;
            if ((type == 'D' && pattern.MadeOf(kDateShownBytes)) || (type == 'L' && pattern.MadeOf(kLogicalShownBytes)))
                everyRow_.push_back(column);
        }
    }

    std::optional<TablePlace> Forwards(TablePlace from) {
        for (uint64_t first = from.row; first < table_.RowCount();) {
            const DbfRows rows = table_.ReadRows(first, perRun_, buffer_);
            if (rows.Empty()) break;
            std::vector<bool> candidates = Candidates(rows);
            for (size_t index = 0; index < rows.Count(); ++index) {
                const uint64_t row = first + index;
                const size_t fromColumn = row == from.row ? from.column : 0;
                if (const auto column = FirstCell(rows[index], candidates[index], fromColumn))
                    return TablePlace{row, *column};
            }
            first += rows.Count();
        }
        return std::nullopt;
    }

    std::optional<TablePlace> Backwards(TablePlace from) {
        if (table_.RowCount() == 0) return std::nullopt;
        if (from.row >= table_.RowCount()) from = {table_.RowCount() - 1, SIZE_MAX};
        for (uint64_t end = from.row + 1; end > 0;) {
            const uint64_t first = end > perRun_ ? end - perRun_ : 0;
            const DbfRows rows = table_.ReadRows(first, static_cast<size_t>(end - first), buffer_);
            std::vector<bool> candidates = Candidates(rows);
            for (size_t index = rows.Count(); index-- > 0;) {
                const uint64_t row = first + index;
                const size_t toColumn = row == from.row ? from.column : SIZE_MAX;
                if (const auto column = LastCell(rows[index], candidates[index], toColumn))
                    return TablePlace{row, *column};
            }
            end = first;
        }
        return std::nullopt;
    }

private:
    // The rows of a run whose bytes hold the text somewhere: only their cells can hold it, dates aside. A control
    // byte shows as a space, so for a text with a space the run is searched with its control bytes as spaces.
    std::vector<bool> Candidates(const DbfRows& rows) {
        std::vector<bool> candidates(rows.Count(), false);
        if (rows.Empty()) return candidates;
        const size_t length = table_.RecordLength();
        std::string_view bytes(rows[0].Record().data(), rows.Count() * length);
        if (controlsAsSpaces_) {
            spaced_.assign(bytes);
            std::replace_if(spaced_.begin(), spaced_.end(), ShowsAsSpace, ' ');
            bytes = spaced_;
        }
        for (size_t at = pattern_.Find(bytes, 0); at != std::string_view::npos;) {
            const size_t index = at / length;
            candidates[index] = true;
            const size_t next = (index + 1) * length;
            at = next < bytes.size() ? pattern_.Find(bytes, next) : std::string_view::npos;
        }
        return candidates;
    }

    bool CellHolds(const DbfRow& row, size_t column) {
        return pattern_.FoundIn(ShownValue(row.Value(column), scratch_).text);
    }

    // Whether the column is one to look at in a row that is no candidate.
    bool LookedAtInEveryRow(size_t column) const {
        return std::find(everyRow_.begin(), everyRow_.end(), column) != everyRow_.end();
    }

    std::optional<size_t> FirstCell(const DbfRow& row, bool candidate, size_t fromColumn) {
        if (!candidate && everyRow_.empty()) return std::nullopt;
        for (size_t column = fromColumn; column < row.ColumnCount(); ++column) {
            if ((candidate || LookedAtInEveryRow(column)) && CellHolds(row, column)) return column;
        }
        return std::nullopt;
    }

    std::optional<size_t> LastCell(const DbfRow& row, bool candidate, size_t toColumn) {
        if (!candidate && everyRow_.empty()) return std::nullopt;
        const size_t end = std::min(row.ColumnCount(), toColumn == SIZE_MAX ? SIZE_MAX : toColumn + 1);
        for (size_t column = end; column-- > 0;) {
            if ((candidate || LookedAtInEveryRow(column)) && CellHolds(row, column)) return column;
        }
        return std::nullopt;
    }

    const DbfTable& table_;
    const SearchPattern& pattern_;
    size_t perRun_;
    std::vector<size_t> everyRow_;
    std::vector<char> buffer_;
    std::string scratch_;
    bool controlsAsSpaces_;
    std::string spaced_;  // a run's bytes with their control bytes as spaces
};

}  // namespace

std::optional<TablePlace> SearchTable(const DbfTable& table, const SearchPattern& pattern, TablePlace from,
                                      bool backwards, size_t runBytes) {
    if (pattern.Empty()) return std::nullopt;
    CellSearch search(table, pattern, runBytes);
    return backwards ? search.Backwards(from) : search.Forwards(from);
}

}  // namespace dd
