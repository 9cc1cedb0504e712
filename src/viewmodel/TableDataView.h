#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/BaseTable.h"
#include "base/DataWriter.h"
#include "base/DictionaryTables.h"
#include "viewmodel/TableGrid.h"

namespace dd {

// One table of a base opened in the viewer, without any window: the table under its dictionary's readable
// names, its grid (TableGrid) with the current cell and selection, and what the Lister's commands do with it:
// find, select all, copy, save as CSV.
class TableDataView {
public:
    // Opens the DBF table at the path as the dictionary describes it (`table` is one of `dictionary`'s tables).
    // Reads its header only. Fails with the table's error.
    TableDataView(const std::string& path, std::shared_ptr<const DictionaryTables> dictionary,
                  const DictionaryTable& table);

    const std::string& Path() const noexcept { return path_; }
    const DictionaryTable& Described() const noexcept { return described_; }
    const BaseTable& Table() const noexcept { return *table_; }
    GridSource& Grid() noexcept { return *grid_; }
    const GridSource& Grid() const noexcept { return *grid_; }

    // The table's readable name among the dictionary's tables (its whole name, with its identifier where another
    // table has the same): Windows-1251.
    const std::string& ReadableName() const noexcept { return readableName_; }
    // The line above the grid: the readable name, the file's name (UTF-8 in, kept as UTF-8 out: the one text of
    // this view that is no Windows-1251) and the number of rows.
    std::u16string TitleText() const;
    // The tooltip of a column's caption: the column's name, the dictionary's description, its type, length and
    // precision, each on a line (Windows-1251). Empty for the mark's column.
    std::string ColumnTooltipText(int gridColumn) const;

    // The Lister's search (F7, F3, F5) with its flags (kFindFirst, kFindMatchCase, kFindWholeWords, kFindBackwards)
    // through the cells as shown, row by row: with kFindFirst from the first row on screen (the top row; backwards
    // from the end of the last row on screen, `rowsOnScreen` below it), otherwise just after (before) the current
    // cell. A hit becomes the current cell and the selection, marked as a hit; it is returned. No hit changes nothing.
    std::optional<GridCell> Find(std::string_view text, int flags, int32_t rowsOnScreen);

    // Every cell of the table's columns selected, the current cell at the top left; the top row stays.
    void SelectAll();
    // The rows that the selection spans.
    uint64_t SelectedRowCount() const noexcept;
    // What Copy puts on the clipboard: the selected cells of the table's columns as TAB-separated lines, or the
    // current cell alone when only it is selected.
    std::string CopyText() const;
    // The menu's copy of a row: its cells of the table's columns, TAB-separated.
    std::string RowText(int32_t gridRow) const;

    // The table's live rows as CSV under the readable names: the bytes that `ddview data --csv` writes.
    void WriteCsv(TextSink& sink) const;

private:
    std::string path_;
    std::shared_ptr<const DictionaryTables> dictionary_;
    const DictionaryTable& described_;
    std::unique_ptr<BaseTable> table_;
    std::unique_ptr<TableGrid> grid_;
    std::string readableName_;
};

}  // namespace dd
