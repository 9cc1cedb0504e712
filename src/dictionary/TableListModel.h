#pragma once

#include <string>
#include <vector>

#include "TableList.h"

namespace dd {

// The table list held in memory: for the command-line tool and the tests.
class TableListModel : public TableList {
public:
    void ReserveEntries(int32_t count) override;
    void AppendEntry(std::string_view text, int32_t tableLine) override;
    int32_t EntryCount() const override { return static_cast<int32_t>(entries_.size()); }
    std::string EntryText(int32_t index) const override;
    int32_t EntryTableLine(int32_t index) const override;
    int32_t SelectedIndex() const override { return selected_; }
    void SelectEntry(int32_t index) override;

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
