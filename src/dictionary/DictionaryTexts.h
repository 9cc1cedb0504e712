#pragma once

#include <array>
#include <string_view>

// Texts of the field grid, in Windows-1251 (written as escaped bytes so that no source charset matters).
namespace dd::texts {

// Captions of grid row 0: identifier, description, type, length, precision.
inline constexpr std::array<std::string_view, 5> kGridCaptions = {
    "\xC8\xE4\xE5\xED\xF2\xE8\xF4\xE8\xEA\xE0\xF2\xEE\xF0",  // Идентификатор
    "\xCE\xEF\xE8\xF1\xE0\xED\xE8\xE5",                      // Описание
    "\xD2\xE8\xEF",                                          // Тип
    "\xC4\xEB\xE8\xED\xE0",                                  // Длина
    "\xD2\xEE\xF7\xED\xEE\xF1\xF2\xFC",                      // Точность
};

// Column 1 of grid row 1, beside the table's identifier.
inline constexpr std::string_view kSqlTableIdentifier =
    "\xC8\xE4\xE5\xED\xF2\xE8\xF4\xE8\xEA\xE0\xF2\xEE\xF0 SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xFB";  // Идентификатор
                                                                                              // SQL-таблицы
inline constexpr std::string_view kDbfTableIdentifier =
    "\xC8\xE4\xE5\xED\xF2\xE8\xF4\xE8\xEA\xE0\xF2\xEE\xF0 DBF-\xF2\xE0\xE1\xEB\xE8\xF6\xFB";  // Идентификатор
                                                                                              // DBF-таблицы

}  // namespace dd::texts
