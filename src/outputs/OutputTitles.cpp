#include "outputs/OutputTitles.h"

namespace dd {
namespace {

// Windows-1251 bytes, escaped so that no source charset matters.
constexpr std::string_view kSqlTablePrefix =
    "SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 ";  // SQL-таблица объекта
constexpr std::string_view kDbfSqlTablePrefix =
    "DBF-SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 ";  // DBF-SQL-таблица объекта
constexpr std::string_view kDbfTablePrefix =
    "DBF-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 ";  // DBF-таблица объекта

std::string Joined(std::string_view prefix, std::string_view text) {
    std::string title;
    title.reserve(prefix.size() + text.size());
    title.append(prefix).append(text);
    return title;
}

}  // namespace

// The export's DBF title says "DBF-SQL-" where the print's says "DBF-": both wordings are the
// system's own and are kept as they are.
std::string ExportTitle(bool isSqlDictionary, std::string_view listText) {
    return Joined(isSqlDictionary ? kSqlTablePrefix : kDbfSqlTablePrefix, listText);
}

std::string PrintTitle(bool isSqlDictionary, std::string_view listText) {
    return Joined(isSqlDictionary ? kSqlTablePrefix : kDbfTablePrefix, listText);
}

}  // namespace dd
