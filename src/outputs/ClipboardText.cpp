#include "outputs/ClipboardText.h"

#include "dictionary/TrimBlanks.h"

namespace dd {
namespace {

constexpr std::string_view kRowSeparator = "; ";

}  // namespace

std::string CellClipboardText(const GridModel& grid, GridCell current) {
    return std::string(grid.Cell(current.column, current.row));
}

std::string RowClipboardText(const GridModel& grid, int32_t row) {
    std::string text;
    for (int column = 0; column < kGridColumns; ++column) text.append(grid.Cell(column, row)).append(kRowSeparator);
    return std::string(TrimBlanks(text));
}

std::string_view UpToFirstZeroByte(std::string_view text) noexcept { return text.substr(0, text.find('\0')); }

}  // namespace dd
