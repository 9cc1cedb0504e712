#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dictionary/Dictionary.h"

namespace dd {

// One opened dictionary as the viewer shows it, without any window: the dictionary's lines and mode,
// the table list with its selection, and the field grid of the selected table with its current cell,
// selected range and top row. The Win32 viewer shows one through its list and grid controls; ddview,
// the benchmarks, the fuzzer and the tests drive it directly.
class DictionaryView {
public:
    // Opens the dictionary at the path as loading does: the grid's captions, the mode from the path,
    // the whole file read, one list entry per table, the first one selected and shown. The view starts
    // afresh; after a failure it holds what loading left (the captions and the mode, no table).
    void Open(const std::string& path);
    // The same for bytes already read, opened as the file at `path`.
    void OpenBytes(std::string_view path, FileBytes bytes);

    bool IsSqlDictionary() const noexcept { return dictionary_.IsSqlDictionary; }
    // Every line of the file, as loading stored them.
    const LineBuffer& Lines() const noexcept { return dictionary_.MAll; }

    const TableListModel& List() const noexcept { return list_; }
    // Selects the list entry and shows its table in the grid, as the user's selection in the list
    // does (LBClick). An index that is no entry selects nothing and fails with the list error for -1,
    // leaving the grid its header row.
    void SelectTable(int32_t entry);
    // Selects the entry without showing its table, as a selection made from code.
    void SelectEntry(int32_t entry) { list_.SelectEntry(entry); }
    // The selected entry's text, the description of the table in the grid; the list error when none.
    std::string SelectedTableText() const { return list_.EntryText(list_.SelectedIndex()); }

    const GridModel& Grid() const noexcept { return grid_; }
    // The grid's current cell, selection and scrolling change through it; its cells only by the view.
    GridModel& Grid() noexcept { return grid_; }

private:
    Dictionary dictionary_;
    TableListModel list_;
    GridModel grid_;
};

}  // namespace dd
