#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dd {

// The table list: entries appended in file order, each with the index of the table line it was made
// from, and one selection. The headless viewer keeps one, which the viewer's list box shows.
class TableListModel {
public:
    // Virtual, as AppendEntry, so that a test can make memory run out as the list grows.
    virtual ~TableListModel() = default;
    TableListModel() = default;
    TableListModel(const TableListModel&) = default;
    TableListModel& operator=(const TableListModel&) = default;
    TableListModel(TableListModel&&) = default;
    TableListModel& operator=(TableListModel&&) = default;

    // Room for this many entries, asked for before they are appended; a hint only.
    void ReserveEntries(int32_t count);
    virtual void AppendEntry(std::string_view text, int32_t tableLine);
    int32_t EntryCount() const noexcept { return static_cast<int32_t>(entries_.size()); }
    // Both fail with the list error for an index that is not an entry.
    std::string EntryText(int32_t index) const;
    std::string_view EntryTextView(int32_t index) const;
    int32_t EntryTableLine(int32_t index) const;
    // -1 while nothing is selected.
    int32_t SelectedIndex() const noexcept { return selected_; }
    // An index that is not an entry selects nothing.
    void SelectEntry(int32_t index);

private:
    struct Entry {
        size_t textStart;
        size_t textSize;
        int32_t tableLine;
    };
    const Entry& At(int32_t index) const;

    std::vector<Entry> entries_;
    std::string texts_;  // the texts of all entries one after the other: one block, not one per entry
    int32_t selected_ = -1;
};

}  // namespace dd
