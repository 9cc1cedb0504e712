#include "TableListModel.h"

#include "Error.h"

namespace dd {

void TableListModel::AppendEntry(std::string_view text, int32_t tableLine) {
    entries_.push_back({std::string(text), tableLine});
}

const TableListModel::Entry& TableListModel::At(int32_t index) const {
    if (index < 0 || index >= EntryCount()) throw ListIndexError(index);
    return entries_[static_cast<size_t>(index)];
}

std::string TableListModel::EntryText(int32_t index) const { return At(index).text; }

int32_t TableListModel::EntryTableLine(int32_t index) const { return At(index).tableLine; }

void TableListModel::SelectEntry(int32_t index) {
    selected_ = (index >= 0 && index < EntryCount()) ? index : -1;
}

}  // namespace dd
