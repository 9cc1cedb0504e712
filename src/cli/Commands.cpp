#include "cli/Commands.h"

#include "dictionary/Error.h"
#include "dictionary/FoldingTable.h"
#include "outputs/ExportText.h"
#include "viewmodel/DictionaryView.h"

namespace dd::cli {
namespace {

// A dictionary opened as the viewer opens it: the first table shown.
DictionaryView OpenView(const std::string& path) {
    DictionaryView view;
    view.Open(path);
    return view;
}

// Shows the entry as a selection in the viewer's list does; a number that is no entry is the list error.
void Show(DictionaryView& view, int32_t entry) {
    if (entry < 0 || entry >= view.List().EntryCount()) throw ListIndexError(entry);
    view.SelectTable(entry);
}

void WriteCells(const GridModel& grid, int32_t row, TextOutput& out) {
    for (int column = 0; column < kGridColumns; ++column) out.Field(grid.Cell(column, row));
}

// Row 1 holds the identifier in column 0 beside a fixed wording; field rows are searched whole.
bool RowMatches(const GridModel& grid, int32_t row, const FoldedPattern& pattern) {
    const int columns = row == 1 ? 1 : kGridColumns;
    for (int column = 0; column < columns; ++column) {
        if (pattern.FoundIn(grid.Cell(column, row))) return true;
    }
    return false;
}

}  // namespace

void ListTables(const std::string& path, TextOutput& out) {
    const DictionaryView view = OpenView(path);
    const TableListModel& list = view.List();
    for (int32_t entry = 0; entry < list.EntryCount(); ++entry) {
        out.BeginLine();
        out.Number(entry);
        out.Field(list.EntryTextView(entry));
        out.EndLine();
    }
}

void ShowTable(const std::string& path, int32_t entry, TextOutput& out) {
    DictionaryView view = OpenView(path);
    Show(view, entry);
    for (int32_t row = 0; row < view.Grid().RowCount(); ++row) {
        out.BeginLine();
        WriteCells(view.Grid(), row, out);
        out.EndLine();
    }
}

void FindText(const std::string& path, const std::string& text, TextOutput& out) {
    DictionaryView view = OpenView(path);
    const FoldedPattern pattern(text, ProcessFoldingTable());
    if (pattern.Empty()) return;
    const GridModel& grid = view.Grid();
    for (int32_t entry = 0; entry < view.List().EntryCount(); ++entry) {
        Show(view, entry);
        const std::string description = view.List().EntryText(entry);
        for (int32_t row = 1; row < grid.RowCount(); ++row) {
            if (!RowMatches(grid, row, pattern)) continue;
            out.BeginLine();
            out.Number(entry);
            out.Field(description);
            out.Number(row);
            WriteCells(grid, row, out);
            out.EndLine();
        }
    }
}

std::string ExportTable(const std::string& path, int32_t entry) {
    DictionaryView view = OpenView(path);
    Show(view, entry);
    return ExportFileBytes(view.IsSqlDictionary(), view.SelectedTableText(), view.Grid());
}

}  // namespace dd::cli
