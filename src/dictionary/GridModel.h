#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dd {

// The field grid has five columns: identifier, description, type, length, precision.
inline constexpr int kGridColumns = 5;

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
class GridModel {
public:
    // A new grid as the viewer creates it: five columns, five rows, one fixed row.
    explicit GridModel(int columns = kGridColumns, int32_t rows = 5, int32_t fixedRows = 1);
    // Virtual, as SetRowCount, so that a test can make memory run out as the grid grows.
    virtual ~GridModel() = default;
    GridModel(const GridModel&) = default;
    GridModel& operator=(const GridModel&) = default;
    GridModel(GridModel&&) = default;
    GridModel& operator=(GridModel&&) = default;

    int ColumnCount() const noexcept { return columns_; }
    int32_t RowCount() const noexcept { return static_cast<int32_t>(rows_.size()); }
    // Follows the grid's row-count rule: fixed rows and the current cell follow a smaller count,
    // and rows that are dropped lose their cells.
    virtual void SetRowCount(int32_t rows);
    int32_t FixedRows() const noexcept { return fixedRows_; }
    // The text of a cell; empty for a cell never written or outside the grid. Valid until the grid changes.
    std::string_view Cell(int column, int32_t row) const;
    // Writes a cell; a cell outside the grid is ignored.
    void SetCell(int column, int32_t row, std::string_view text);

    GridCell Current() const noexcept { return current_; }
    // Makes a cell current, kept within the rows that are not fixed. Without `extendSelection` the
    // selection shrinks to that cell; with it, the selection spans from the anchor to that cell.
    void SetCurrent(GridCell cell, bool extendSelection = false);
    GridRange Selection() const noexcept;
    // Marks the current cell to be drawn as selected even where the grid has the focus, as a search's hit
    // is, so that it stands out from a cell the user chose. Every change of the current cell (SetCurrent,
    // the rows running out under it) takes the mark away again.
    void HighlightCurrent() noexcept { currentHighlighted_ = true; }
    bool IsCurrentHighlighted() const noexcept { return currentHighlighted_; }

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
    bool currentHighlighted_ = false;
};

}  // namespace dd
