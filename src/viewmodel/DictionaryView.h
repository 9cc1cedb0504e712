#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dictionary/Dictionary.h"
#include "viewmodel/DictionarySearch.h"

namespace dd {

// One opened dictionary as the viewer shows it, without any window: the dictionary's lines and mode,
// the table list with its selection, and the field grid of the selected table with its current cell,
// selected range and top row. The Win32 viewer shows one through its list and grid controls; the
// benchmarks, the fuzzer and the tests drive it directly. (ddview does not: it streams the file.)
class DictionaryView {
public:
    // Opens the dictionary at the path as loading does: the grid's captions, the mode from the path,
    // the whole file read, one list entry per table, the first one selected and shown. The view starts
    // afresh; after a failure it holds what loading left (the captions and the mode, no table).
    void Open(const std::string& path);
    // The same for bytes already read, opened as the file at `path`.
    void OpenBytes(std::string_view path, FileBytes bytes);

    bool IsSqlEdition() const noexcept { return dictionary_.isSqlEdition; }
    // Every line of the file, as loading stored them.
    const LineBuffer& Lines() const noexcept { return dictionary_.lines; }

    const TableListModel& List() const noexcept { return list_; }
    // Selects the list entry and shows its table in the grid, as the user's selection in the list
    // does (ShowSelectedTable). An index that is no entry selects nothing and fails with the list error for -1,
    // leaving the grid its header row.
    void SelectTable(int32_t entry);
    // Selects the entry without showing its table, as a selection made from code.
    void SelectEntry(int32_t entry) { list_.SelectEntry(entry); }
    // The selected entry's text, the description of the table in the grid; the list error when none.
    std::string SelectedTableText() const { return list_.EntryText(list_.SelectedIndex()); }
    // The entry whose table the grid shows; -1 when it shows none (before loading, after a failed one).
    int32_t ShownEntry() const noexcept { return shownEntry_; }

    const GridModel& Grid() const noexcept { return grid_; }
    // The grid's current cell, selection and scrolling change through it; its cells only by the view.
    GridModel& Grid() noexcept { return grid_; }

    // The Lister's search (F7, F3, F5): looks for the Windows-1251 text with the Lister's flags
    // (kFindFirst, kFindMatchCase, kFindWholeWords, kFindBackwards) in the descriptions and cells of the
    // tables, in the order and by the rules of SearchTables. It starts
    //  - with kFindFirst at the selected table's description, the first line the user sees (backwards: at
    //    that table's last cell), and at the first table's description (the last table's last cell) when
    //    none is selected;
    //  - otherwise just after the last hit (backwards: just before it), while the shown table, the
    //    current cell and the selection are still what that hit made them;
    //  - otherwise just after (before) the current cell of the shown table, the description counting as
    //    standing before row 0; as with kFindFirst when no table is shown.
    // There is no wrap-around. A hit shows its table as SelectTable does, makes the hit's cell current
    // and the whole selection (for a description: row 1's identifier cell) and highlights it, so that it
    // stands out until the current cell moves (GridModel::HighlightCurrent); it is remembered and returned.
    // An empty text or no hit changes nothing and returns nothing.
    std::optional<FindPosition> Find(std::string_view text, int flags);

    // "Select all": every cell of the grid selected, the current cell at the top left (row 0, column 0)
    // and the selection's anchor at the bottom right. The top row stays, so the view does not scroll.
    void SelectAll();
    // What "Copy" (Ctrl+C) puts on the clipboard: the selected range as TAB-separated lines
    // (RangeClipboardText) when it holds more than one cell, otherwise the current cell's text as
    // "Копировать ячейку" copies it (CellClipboardText).
    std::string CopyText() const;
    // What Ctrl+C in the table list puts on the clipboard: the selected table's description and its
    // identifier (TableClipboardText), without showing the table; nothing while no table is selected.
    std::optional<std::string> SelectedTableCopyText() const;

private:
    // What a hit set, so that the next search knows whether the user has moved since.
    struct LastHit {
        FindPosition position;
        GridCell current;
        GridRange selection;
    };
    FindPosition FindStart(bool findFirst, bool backwards) const;
    void ShowHit(FindPosition hit);

    Dictionary dictionary_;
    TableListModel list_;
    GridModel grid_;
    int32_t shownEntry_ = -1;
    std::optional<LastHit> lastHit_;
};

}  // namespace dd
