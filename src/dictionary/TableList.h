#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dd {

// What loading and the table view need of the table list: entries appended in file order, each
// with the index of the table line it was made from, and one selection.
class TableList {
public:
    virtual ~TableList() = default;

    // Room for this many entries, asked for before they are appended; a hint only.
    virtual void ReserveEntries(int32_t count) { (void)count; }
    virtual void AppendEntry(std::string_view text, int32_t tableLine) = 0;
    virtual int32_t EntryCount() const = 0;
    // Both fail with the list error for an index that is not an entry.
    virtual std::string EntryText(int32_t index) const = 0;
    virtual int32_t EntryTableLine(int32_t index) const = 0;
    // -1 while nothing is selected.
    virtual int32_t SelectedIndex() const = 0;
    // Selection from code: notifies nothing. An index that is not an entry selects nothing.
    virtual void SelectEntry(int32_t index) = 0;
};

}  // namespace dd
