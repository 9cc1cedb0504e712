#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/GridSource.h"

namespace dd {

// The field grid has five columns: identifier, description, type, length, precision.
inline constexpr int kGridColumns = 5;

// A string grid that holds its cells, without any window: the field grid of a dictionary. Its rows follow the
// grid's row-count rule. The viewer's grid control shows it; the search and the tests build it in memory.
class GridModel : public GridSource {
public:
    // A new grid as the viewer creates it: five columns, five rows, one fixed row.
    explicit GridModel(int columns = kGridColumns, int32_t rows = 5, int32_t fixedRows = 1);
    // Virtual, as SetRowCount, so that a test can make memory run out as the grid grows.
    ~GridModel() override = default;
    GridModel(const GridModel&) = default;
    GridModel& operator=(const GridModel&) = default;
    GridModel(GridModel&&) = default;
    GridModel& operator=(GridModel&&) = default;

    int ColumnCount() const noexcept final { return columns_; }
    int32_t RowCount() const noexcept final { return static_cast<int32_t>(rows_.size()); }
    // Follows the grid's row-count rule: fixed rows and the current cell follow a smaller count,
    // and rows that are dropped lose their cells.
    virtual void SetRowCount(int32_t rows);
    int32_t FixedRows() const noexcept final { return fixedRows_; }
    // The text of a cell; empty for a cell never written or outside the grid. Valid until the grid changes.
    std::string_view Cell(int column, int32_t row) const final;
    // Writes a cell; a cell outside the grid is ignored.
    void SetCell(int column, int32_t row, std::string_view text);

private:
    int columns_;
    int32_t fixedRows_;
    std::vector<std::vector<std::string>> rows_;  // a row's cells, as many as were written
};

}  // namespace dd
