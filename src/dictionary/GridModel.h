#pragma once

#include <string>
#include <vector>

#include "FieldGrid.h"

namespace dd {

// A cell position: column and row, from 0.
struct GridCell {
    int column = 0;
    int32_t row = 0;
    bool operator==(const GridCell&) const = default;
};

// The rectangle of selected cells, corners included.
struct GridRange {
    int left = 0;
    int32_t top = 0;
    int right = 0;
    int32_t bottom = 0;
    bool operator==(const GridRange&) const = default;
    bool Contains(GridCell cell) const {
        return cell.column >= left && cell.column <= right && cell.row >= top && cell.row <= bottom;
    }
};

// The state of a string grid without any window: cells, fixed rows, one current cell with the
// anchor of a selected range, and the top visible row. The viewer's grid control keeps its state in
// one; the command-line tool and the tests use it as the field grid.
class GridModel : public FieldGrid {
public:
    // A new grid as the viewer creates it: five columns, five rows, one fixed row.
    explicit GridModel(int columns = kGridColumns, int32_t rows = 5, int32_t fixedRows = 1);

    int ColumnCount() const noexcept { return columns_; }
    int32_t RowCount() const override { return static_cast<int32_t>(rows_.size()); }
    void SetRowCount(int32_t rows) override;
    int32_t FixedRows() const override { return fixedRows_; }
    // Fewer fixed rows than rows; a current cell or top row inside the fixed rows moves below them.
    void SetFixedRows(int32_t fixedRows);
    std::string_view Cell(int column, int32_t row) const override;
    void SetCell(int column, int32_t row, std::string_view text) override;

    GridCell Current() const noexcept { return current_; }
    // Makes a cell current, kept within the rows that are not fixed. Without `extendSelection` the
    // selection shrinks to that cell; with it, the selection spans from the anchor to that cell.
    void SetCurrent(GridCell cell, bool extendSelection = false);
    GridRange Selection() const noexcept;

    int32_t TopRow() const noexcept { return topRow_; }
    void SetTopRow(int32_t row);

private:
    GridCell Clamped(GridCell cell) const;

    int columns_;
    int32_t fixedRows_;
    std::vector<std::vector<std::string>> rows_;  // a row's cells, as many as were written
    GridCell current_;
    GridCell anchor_;
    int32_t topRow_;
};

}  // namespace dd
