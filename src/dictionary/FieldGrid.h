#pragma once

#include <cstdint>
#include <string_view>

namespace dd {

// The field grid has five columns: identifier, description, type, length, precision.
inline constexpr int kGridColumns = 5;

// What loading and the table view need of the field grid.
class FieldGrid {
public:
    virtual ~FieldGrid() = default;

    virtual int32_t RowCount() const = 0;
    // Follows the grid's row-count rule: fixed rows and the current cell follow a smaller count,
    // and rows that are dropped lose their cells.
    virtual void SetRowCount(int32_t rows) = 0;
    virtual int32_t FixedRows() const = 0;
    // The text of a cell; empty for a cell never written or outside the grid. Valid until the grid changes.
    virtual std::string_view Cell(int column, int32_t row) const = 0;
    // Writes a cell; a cell outside the grid is ignored.
    virtual void SetCell(int column, int32_t row, std::string_view text) = 0;
};

}  // namespace dd
