#include "outputs/ExportText.h"

#include <algorithm>
#include <array>

#include "dictionary/TrimBlanks.h"
#include "outputs/OutputTitles.h"

namespace dd {
namespace {

// Windows-1251 bytes, escaped so that no source charset matters.
constexpr std::string_view kTableIdentifierLabel =
    "\xC8\xE4\xE5\xED\xF2\xE8\xF4\xE8\xEA\xE0\xF2\xEE\xF0 \xF2\xE0\xE1\xEB\xE8\xF6\xFB: ";  // Идентификатор таблицы:
constexpr std::string_view kFieldsLine = "\xCF\xEE\xEB\xFF: ";                              // Поля:
constexpr std::string_view kLineEnd = "\r\n";

// Minimum widths of columns 0 to 3 in bytes; column 4 is never padded.
constexpr std::array<size_t, 4> kMinimumWidths = {15, 25, 5, 7};

}  // namespace

std::string ExportRowLine(const GridModel& grid, int32_t row) {
    std::string line;
    for (int column = 0; column < kGridColumns; ++column) {
        const std::string_view cell = TrimBlanks(grid.Cell(column, row));
        line.append(cell);
        if (static_cast<size_t>(column) < kMinimumWidths.size() && cell.size() < kMinimumWidths[column]) {
            line.append(kMinimumWidths[column] - cell.size(), ' ');
        }
    }
    return line;
}

std::vector<std::string> ExportLines(bool isSqlDictionary, std::string_view listText, const GridModel& grid) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(std::max<int32_t>(grid.RowCount(), 2)) + 2);
    lines.push_back(ExportTitle(isSqlDictionary, listText));
    lines.push_back(std::string(kTableIdentifierLabel).append(grid.Cell(0, 1)));
    lines.emplace_back(kFieldsLine);
    lines.push_back(ExportRowLine(grid, 0));
    // Row 1 holds the identifier, already written above.
    for (int32_t row = 2; row < grid.RowCount(); ++row) lines.push_back(ExportRowLine(grid, row));
    return lines;
}

std::string ExportFileBytes(bool isSqlDictionary, std::string_view listText, const GridModel& grid) {
    std::string bytes;
    for (const std::string& line : ExportLines(isSqlDictionary, listText, grid)) bytes.append(line).append(kLineEnd);
    return bytes;
}

}  // namespace dd
