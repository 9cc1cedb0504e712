#include "viewmodel/TableDataView.h"

#include <algorithm>

#include "base/BaseFolder.h"
#include "base/ReadableNames.h"
#include "dbf/DbfRowStream.h"
#include "dictionary/Cp1251.h"
#include "outputs/ClipboardText.h"
#include "viewmodel/SearchPattern.h"
#include "viewmodel/TableSearch.h"

namespace dd {
namespace {

// The readable name of one table among all of a dictionary's.
std::string ReadableNameOf(const DictionaryTables& dictionary, const DictionaryTable& table) {
    std::vector<NamedTable> named;
    size_t index = 0;
    for (size_t i = 0; i < dictionary.tables.size(); ++i) {
        named.push_back({dictionary.tables[i].identifier, dictionary.tables[i].Name()});
        if (&dictionary.tables[i] == &table) index = i;
    }
    return ReadableTableNames(named)[index];
}

std::u16string Utf16FromUtf8Name(std::string_view utf8) {
    // File names of a base are ASCII in practice; anything else is shown through Windows-1251 where it can be.
    if (const auto cp1251 = Cp1251FromUtf8(utf8)) return Utf16FromCp1251(*cp1251);
    return std::u16string(utf8.begin(), utf8.end());
}

}  // namespace

TableDataView::TableDataView(const std::string& path, std::shared_ptr<const DictionaryTables> dictionary,
                             const DictionaryTable& table)
    : path_(path),
      dictionary_(std::move(dictionary)),
      described_(table),
      table_(std::make_unique<BaseTable>(path, &table)),
      grid_(std::make_unique<TableGrid>(*table_)),
      readableName_(ReadableNameOf(*dictionary_, table)) {}

std::u16string TableDataView::TitleText() const {
    std::u16string title = Utf16FromCp1251(readableName_);
    title += u"  \u2014  ";
    const std::string_view path = path_;
    title += Utf16FromUtf8Name(path.substr(FolderPartOf(path).size()));
    title += u"  \u2014  ";
    // "строк: N"
    title += Utf16FromCp1251("\xF1\xF2\xF0\xEE\xEA: ");
    const std::string rows = std::to_string(table_->Table().RowCount());
    title += std::u16string(rows.begin(), rows.end());
    return title;
}

std::string TableDataView::ColumnTooltipText(int gridColumn) const {
    if (gridColumn < 1 || gridColumn > static_cast<int>(table_->Columns().size())) return {};
    const BaseColumn& column = table_->Columns()[TableGrid::TableColumn(gridColumn)];
    std::string text = column.column->name;
    if (column.field != nullptr && !column.field->description.empty()) text += "\r\n" + column.field->description;
    text += "\r\n";
    text += column.column->type;
    text.append(" ").append(std::to_string(column.column->length));
    text.append(" ").append(std::to_string(column.column->decimals));
    return text;
}

std::optional<GridCell> TableDataView::Find(std::string_view text, int flags, int32_t rowsOnScreen) {
    const SearchPattern pattern(text, (flags & kFindMatchCase) != 0, (flags & kFindWholeWords) != 0);
    const bool backwards = (flags & kFindBackwards) != 0;
    const uint64_t rows = table_->Table().RowCount();
    if (rows == 0) return std::nullopt;
    TablePlace from;
    const GridCell current = grid_->Current();
    if ((flags & kFindFirst) != 0) {
        const int32_t top = std::max(grid_->TopRow(), 1);
        from = backwards
                   ? TablePlace{std::min<uint64_t>(TableGrid::TableRow(top) + std::max(rowsOnScreen, 1) - 1, rows - 1),
                                SIZE_MAX}
                   : TablePlace{TableGrid::TableRow(top), 0};
    } else {
        const uint64_t row = TableGrid::TableRow(std::max(current.row, 1));
        if (current.column < 1) {
            // The mark's column stands before the table's first column.
            if (backwards && row == 0) return std::nullopt;
            from = backwards ? TablePlace{row - 1, SIZE_MAX} : TablePlace{row, 0};
        } else {
            const size_t column = TableGrid::TableColumn(current.column);
            if (backwards) {
                if (row == 0 && column == 0) return std::nullopt;
                from = column > 0 ? TablePlace{row, column - 1} : TablePlace{row - 1, SIZE_MAX};
            } else {
                from = TablePlace{row, column + 1};
            }
        }
    }
    const std::optional<TablePlace> hit = SearchTable(table_->Table(), pattern, from, backwards);
    if (!hit || hit->row >= static_cast<uint64_t>(grid_->RowCount() - 1)) return std::nullopt;
    // The table's columns are the grid's from 1 on, in the file's order.
    grid_->SetCurrent({TableGrid::GridColumn(hit->column), TableGrid::GridRow(hit->row)});
    grid_->HighlightCurrent();
    return grid_->Current();
}

void TableDataView::SelectAll() {
    grid_->SetCurrent({grid_->ColumnCount() - 1, grid_->RowCount() - 1});
    grid_->SetCurrent({1, 1}, true);
}

uint64_t TableDataView::SelectedRowCount() const noexcept {
    const GridRange range = grid_->Selection();
    return static_cast<uint64_t>(range.bottom - range.top) + 1;
}

std::string TableDataView::CopyText() const {
    GridRange range = grid_->Selection();
    range.left = std::max(range.left, 1);
    if (range.left > range.right) return {};
    if (range.left == range.right && range.top == range.bottom) return CellClipboardText(*grid_, grid_->Current());
    return RangeClipboardText(*grid_, range);
}

std::string TableDataView::RowText(int32_t gridRow) const {
    std::string text = RangeClipboardText(*grid_, {1, gridRow, grid_->ColumnCount() - 1, gridRow});
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

void TableDataView::WriteCsv(TextSink& sink) const {
    std::vector<std::string> names;
    for (const BaseColumn& column : table_->Columns()) names.push_back(column.readableName);
    DataWriter writer(DataFormat::kCsv, std::move(names), false, sink);
    writer.Header();
    DbfRowStream rows(table_->Table());
    while (const auto row = rows.Next()) {
        if (!row->Deleted()) writer.Row(*row, table_->Columns());
    }
}

}  // namespace dd
