#pragma once

#include <string>
#include <string_view>

namespace dd {

// The title line of the text export: "SQL-таблица объекта " or, for a DBF-edition dictionary,
// "DBF-SQL-таблица объекта ", followed directly by the selected list entry's text (untrimmed).
std::string ExportTitle(bool isSqlDictionary, std::string_view listText);

// The title of a print, also its document name: "SQL-таблица объекта " or "DBF-таблица объекта ",
// followed directly by the selected list entry's text (untrimmed).
std::string PrintTitle(bool isSqlDictionary, std::string_view listText);

}  // namespace dd
