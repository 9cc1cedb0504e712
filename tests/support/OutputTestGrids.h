#pragma once

#include <array>
#include <initializer_list>
#include <string_view>

#include "dictionary/DictionaryTexts.h"
#include "dictionary/GridModel.h"

// Small grids for the output tests, and the Windows-1251 texts of the worked examples.
namespace dd::test {

using GridRow = std::array<std::string_view, kGridColumns>;

// A grid without fixed rows (as after the first table view) holding exactly these rows.
inline GridModel MakeGrid(std::initializer_list<GridRow> rows) {
    GridModel grid(kGridColumns, static_cast<int32_t>(rows.size()), 0);
    int32_t row = 0;
    for (const GridRow& cells : rows) {
        for (int column = 0; column < kGridColumns; ++column) grid.SetCell(column, row, cells[column]);
        ++row;
    }
    return grid;
}

inline constexpr GridRow kCaptions = {texts::kGridCaptions[0], texts::kGridCaptions[1], texts::kGridCaptions[2],
                                      texts::kGridCaptions[3], texts::kGridCaptions[4]};

inline constexpr std::string_view kGoods = "\xD2\xEE\xE2\xE0\xF0\xFB";  // Товары
inline constexpr std::string_view kCode = "\xCA\xEE\xE4";               // Код
inline constexpr std::string_view kPricePerUnit =
    "\xD6\xE5\xED\xE0 \xE7\xE0 \xE5\xE4\xE8\xED\xE8\xF6\xF3";  // Цена за единицу

// The table of the worked examples: headings, the identifier row of a SQL dictionary, two fields.
inline GridModel WorkedExampleGrid() {
    return MakeGrid({kCaptions,
                     {"SC12", texts::kSqlTableIdentifier, "", "", ""},
                     {"CODE", kCode, "C", "8", "0"},
                     {"PRICE", kPricePerUnit, "N", "14", "2"}});
}

}  // namespace dd::test
