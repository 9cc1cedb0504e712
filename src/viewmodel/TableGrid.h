#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/BaseTable.h"
#include "dictionary/GridSource.h"

namespace dd {

// A base's table as the viewer's grid shows it, read from its file as its rows come into view: row 0 the
// readable names of its columns (a fixed row that stays in place as the rows scroll), then one row per record
// in file order, deleted ones included; column 0 a narrow one that marks a deleted row with "*", then the
// table's columns, their values as ShownValue shows them (numbers at the right, dates DD.MM.YYYY). Only a few
// runs of rows are kept, so memory does not grow with the table.
class TableGrid final : public GridSource {
public:
    // The table must outlive the grid.
    explicit TableGrid(const BaseTable& table);

    int ColumnCount() const noexcept override { return static_cast<int>(table_.Columns().size()) + 1; }
    int32_t RowCount() const noexcept override { return rows_ + 1; }
    int32_t FixedRows() const noexcept override { return 1; }
    std::string_view Cell(int column, int32_t row) const override;
    CellLook Look(int column, int32_t row) const override;

    // The table's row shown in a grid row (1 and on), and the grid row of a table's row.
    static uint64_t TableRow(int32_t gridRow) noexcept { return static_cast<uint64_t>(gridRow - 1); }
    static int32_t GridRow(uint64_t tableRow) noexcept { return static_cast<int32_t>(tableRow + 1); }
    // The column of the grid that shows a column of the table, and back.
    static int GridColumn(size_t tableColumn) noexcept { return static_cast<int>(tableColumn) + 1; }
    static size_t TableColumn(int gridColumn) noexcept { return static_cast<size_t>(gridColumn - 1); }

    // The current cell, the selection and the top row as a new grid has them: the first row, in the table's first
    // column (the mark's column holds nothing to work on).
    void Reset() noexcept {
        ResetState(1);
        if (ColumnCount() > 1) current_.column = anchor_.column = 1;
    }

private:
    // The record of a table row, read with its run; empty when the file no longer holds it.
    const DbfRow* Record(uint64_t row) const;

    struct Run {
        uint64_t first = 0;
        std::vector<char> buffer;
        DbfRows rows;
        uint64_t lastUse = 0;
    };

    const BaseTable& table_;
    int32_t rows_;
    mutable std::vector<Run> runs_;
    mutable uint64_t uses_ = 0;
    mutable DbfRow record_;
    mutable std::string text_;  // the text of the last cell asked for
};

}  // namespace dd
