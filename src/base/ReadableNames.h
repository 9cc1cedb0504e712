#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dd {

// Whether two Windows-1251 texts are equal with letters folded (Latin and Cyrillic, Ё among them).
bool EqualIgnoringCase(std::string_view a, std::string_view b) noexcept;

// The prefix of a field's description that marks a property of the configuration.
inline constexpr std::string_view kPropertyPrefix = "(P)";

// The readable name of a column on its own: for a property, its description after "(P)", trimmed
// ("(P)Контрагент" gives "Контрагент"); for every other column (ID, PARENTID, IDDOC, LINENO, the system
// tables' columns, a column the dictionary lacks: an empty description) the column's own name.
std::string ReadableFieldName(std::string_view column, std::string_view description);

// A column of one table: its name in the file (or the SQL table) and its field's description in the
// dictionary, empty for a column the dictionary does not describe.
struct NamedColumn {
    std::string column;
    std::string description;
};

// The readable names of a table's columns, in their order. Names that are equal with letters folded, among
// themselves or with another column's own name, all get their column's name appended: "Контрагент (SP3019)",
// "Контрагент (SP3120)". Windows-1251 texts.
std::vector<std::string> ReadableColumnNames(const std::vector<NamedColumn>& columns);

// A table of a base: its identifier and its name (the whole name from its marker line, else its description).
struct NamedTable {
    std::string identifier;
    std::string name;
};

// The readable names of a base's tables, in their order: each table's name, and where names are equal
// with letters folded, among themselves or with another table's identifier, each of them with its
// identifier appended: "Справочник Склады (SC1234)". A table without a name is called by its identifier.
std::vector<std::string> ReadableTableNames(const std::vector<NamedTable>& tables);

}  // namespace dd
