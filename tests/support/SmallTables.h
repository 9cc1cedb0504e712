#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/DictionaryTables.h"
#include "dictionary/TableIndexes.h"

// Small dictionaries written out in a test, as ReadDictionaryTables would give them.
namespace dd::test {

inline DictionaryField Field(std::string name, std::string description, std::string type, std::string length,
                             std::string precision = "0") {
    return {std::move(name), std::move(description), std::move(type), std::move(length), std::move(precision)};
}

inline TableIndex Index(std::string name, bool unique, std::vector<std::string> fields, std::string lastColumn,
                        std::string description = {}) {
    return {std::move(name), std::move(description), unique, std::move(fields), std::move(lastColumn)};
}

inline DictionaryTable Table(std::string identifier, std::string description, std::vector<DictionaryField> fields,
                             std::vector<TableIndex> indexes = {}) {
    DictionaryTable table;
    table.identifier = std::move(identifier);
    table.description = std::move(description);
    table.fields = std::move(fields);
    table.indexes = std::move(indexes);
    return table;
}

inline DictionaryTables Tables(std::vector<DictionaryTable> tables, bool isSql = false) {
    DictionaryTables dictionary;
    dictionary.isSqlEdition = isSql;
    for (size_t i = 0; i < tables.size(); ++i) tables[i].entry = static_cast<int32_t>(i);
    dictionary.tables = std::move(tables);
    return dictionary;
}

}  // namespace dd::test
