#include "outputs/ClipboardText.h"

#include "dictionary/TrimBlanks.h"

namespace dd {
namespace {

constexpr std::string_view kRowSeparator = "; ";
constexpr char kCellSeparator = '\t';
constexpr std::string_view kLineEnd = "\r\n";

void AppendRangeCell(std::string& text, std::string_view cell) {
    for (char c : UpToFirstZeroByte(cell)) text.push_back(c == '\t' || c == '\r' || c == '\n' ? ' ' : c);
}

}  // namespace

std::string CellClipboardText(const GridSource& grid, GridCell current) {
    return std::string(grid.Cell(current.column, current.row));
}

std::string RowClipboardText(const GridModel& grid, int32_t row) {
    std::string text;
    for (int column = 0; column < kGridColumns; ++column) text.append(grid.Cell(column, row)).append(kRowSeparator);
    return std::string(TrimBlanks(text));
}

std::string RangeClipboardText(const GridSource& grid, GridRange range) {
    std::string text;
    for (int32_t row = range.top; row <= range.bottom; ++row) {
        for (int column = range.left; column <= range.right; ++column) {
            if (column > range.left) text.push_back(kCellSeparator);
            AppendRangeCell(text, grid.Cell(column, row));
        }
        text.append(kLineEnd);
    }
    return text;
}

std::string TableClipboardText(std::string_view description, std::string_view identifier) {
    std::string text;
    AppendRangeCell(text, description);
    text.push_back(kCellSeparator);
    AppendRangeCell(text, TrimBlanks(UpToFirstZeroByte(identifier)));
    return text;
}

std::string_view UpToFirstZeroByte(std::string_view text) noexcept { return text.substr(0, text.find('\0')); }

}  // namespace dd
