#include "base/BaseTable.h"

#include <algorithm>

#include "base/ReadableNames.h"
#include "platform/FileReading.h"

namespace dd {

BaseTable::BaseTable(const std::string& path, const DictionaryTable* described)
    : table_(std::make_unique<DbfTable>(OpenRandomAccessFile(path))), described_(described) {
    const std::vector<DbfColumn>& columns = table_->Columns();
    std::vector<NamedColumn> named;
    std::vector<bool> fieldUsed(described_ != nullptr ? described_->fields.size() : 0, false);
    for (size_t index = 0; index < columns.size(); ++index) {
        BaseColumn column{index, &columns[index], nullptr, {}};
        for (size_t field = 0; field < fieldUsed.size(); ++field) {
            if (!fieldUsed[field] && EqualIgnoringCase(described_->fields[field].name, columns[index].name)) {
                column.field = &described_->fields[field];
                fieldUsed[field] = true;
                break;
            }
        }
        named.push_back({columns[index].name, column.field != nullptr ? column.field->description : std::string()});
        columns_.push_back(std::move(column));
    }
    const std::vector<std::string> readable = ReadableColumnNames(named);
    for (size_t index = 0; index < columns_.size(); ++index) columns_[index].readableName = readable[index];
    for (size_t field = 0; field < fieldUsed.size(); ++field) {
        if (!fieldUsed[field]) fieldsWithoutColumn_.push_back(&described_->fields[field]);
    }
}

}  // namespace dd
