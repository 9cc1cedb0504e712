#pragma once

#include <cstdint>
#include <string_view>

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

// How a cell is drawn besides its text: at the cell's right edge (a number), greyed (a deleted row's).
struct CellLook {
    bool alignRight = false;
    bool greyed = false;
    bool operator==(const CellLook&) const = default;
};

// What a string grid shows, without any window: its columns, rows and fixed rows, each cell's text and look,
// and the grid's state, kept here: one current cell with the anchor of a selected range, and the top visible row.
// The field grid of a dictionary (GridModel) holds its cells; a base's table (the data view) reads them from its
// file as they come into view. The viewer's grid control shows any of them.
class GridSource {
public:
    virtual ~GridSource() = default;

    virtual int ColumnCount() const noexcept = 0;
    virtual int32_t RowCount() const noexcept = 0;
    virtual int32_t FixedRows() const noexcept = 0;
    // The text of a cell; empty for a cell outside the grid. Valid until the next call or change of the grid.
    virtual std::string_view Cell(int column, int32_t row) const = 0;
    virtual CellLook Look(int /*column*/, int32_t /*row*/) const { return {}; }

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

protected:
    GridSource() = default;
    GridSource(const GridSource&) = default;
    GridSource& operator=(const GridSource&) = default;
    GridSource(GridSource&&) = default;
    GridSource& operator=(GridSource&&) = default;

    // The state of a grid whose first rows are fixed: the current cell and the anchor at its first cell
    // that is not, and that row at the top.
    void ResetState(int32_t fixedRows) noexcept {
        current_ = anchor_ = {0, fixedRows};
        topRow_ = fixedRows;
        currentHighlighted_ = false;
    }
    GridCell Clamped(GridCell cell) const noexcept;

    GridCell current_;
    GridCell anchor_;
    int32_t topRow_ = 0;
    bool currentHighlighted_ = false;
};

}  // namespace dd
