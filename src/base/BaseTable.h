#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "base/DictionaryTables.h"
#include "dbf/DbfTable.h"

namespace dd {

// A column of a base's table: its place and shape in the file, the dictionary's field that describes it
// (matched by name, letters in any case; null for a column the dictionary lacks) and its readable name.
struct BaseColumn {
    size_t index = 0;  // in the file's columns
    const DbfColumn* column = nullptr;
    const DictionaryField* field = nullptr;
    std::string readableName;
};

// A DBF table of a base read under its dictionary's names. Its columns are the file's own, in the file's order
// (real bases hold files with a column more or less than their dictionary: a newer configuration); a field the
// dictionary has without a column is left out, and noted.
class BaseTable {
public:
    // Opens the table at the path (its header only) with the dictionary's description of it, which may be
    // null: the columns then keep their names. Fails as DbfTable fails.
    BaseTable(const std::string& path, const DictionaryTable* described);

    const DbfTable& Table() const noexcept { return *table_; }
    const DictionaryTable* Described() const noexcept { return described_; }
    const std::vector<BaseColumn>& Columns() const noexcept { return columns_; }
    // The dictionary's fields that have no column in the file.
    const std::vector<const DictionaryField*>& FieldsWithoutColumn() const noexcept { return fieldsWithoutColumn_; }

private:
    std::unique_ptr<DbfTable> table_;
    const DictionaryTable* described_;
    std::vector<BaseColumn> columns_;
    std::vector<const DictionaryField*> fieldsWithoutColumn_;
};

}  // namespace dd
