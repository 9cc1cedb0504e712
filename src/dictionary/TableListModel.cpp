#include "dictionary/TableListModel.h"

#include "dictionary/Error.h"

namespace dd {

void TableListModel::ReserveEntries(int32_t count) {
    if (count <= 0) return;
    entries_.reserve(entries_.size() + static_cast<size_t>(count));
    texts_.reserve(texts_.size() + static_cast<size_t>(count) * 24);  // a typical description, cut at 30 bytes
}

void TableListModel::AppendEntry(std::string_view text, int32_t tableLine) {
    entries_.push_back({texts_.size(), text.size(), tableLine});
    texts_.append(text);
}

const TableListModel::Entry& TableListModel::At(int32_t index) const {
    if (index < 0 || index >= EntryCount()) throw ListIndexError(index);
    return entries_[static_cast<size_t>(index)];
}

std::string TableListModel::EntryText(int32_t index) const { return std::string(EntryTextView(index)); }

std::string_view TableListModel::EntryTextView(int32_t index) const {
    const Entry& entry = At(index);
    return std::string_view(texts_).substr(entry.textStart, entry.textSize);
}

int32_t TableListModel::EntryTableLine(int32_t index) const { return At(index).tableLine; }

void TableListModel::SelectEntry(int32_t index) { selected_ = (index >= 0 && index < EntryCount()) ? index : -1; }

}  // namespace dd
