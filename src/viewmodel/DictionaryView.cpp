#include "viewmodel/DictionaryView.h"

#include <cstdint>

#include "dictionary/TableFieldView.h"
#include "outputs/ClipboardText.h"
#include "platform/FileReading.h"

namespace dd {

void DictionaryView::Open(const std::string& path) {
    *this = DictionaryView();
    LoadDictionary(dictionary_, path, FileAt(path), list_, grid_);
    shownEntry_ = list_.SelectedIndex();
}

void DictionaryView::OpenBytes(std::string_view path, FileBytes bytes) {
    *this = DictionaryView();
    LoadDictionaryBytes(dictionary_, path, std::move(bytes), list_, grid_);
    shownEntry_ = list_.SelectedIndex();
}

void DictionaryView::SelectTable(int32_t entry) {
    shownEntry_ = -1;
    list_.SelectEntry(entry);
    ShowSelectedTable(dictionary_, list_, grid_);
    shownEntry_ = list_.SelectedIndex();
}

std::optional<FindPosition> DictionaryView::Find(std::string_view text, int flags) {
    const SearchPattern pattern(text, (flags & kFindMatchCase) != 0, (flags & kFindWholeWords) != 0);
    const bool backwards = (flags & kFindBackwards) != 0;
    const std::optional<FindPosition> hit =
        SearchTables(dictionary_, list_, pattern, FindStart((flags & kFindFirst) != 0, backwards), backwards);
    if (hit) ShowHit(*hit);
    return hit;
}

FindPosition DictionaryView::FindStart(bool findFirst, bool backwards) const {
    if (!findFirst) {
        if (lastHit_ && lastHit_->position.entry == shownEntry_ && lastHit_->current == grid_.Current() &&
            lastHit_->selection == grid_.Selection()) {
            return lastHit_->position;
        }
        if (shownEntry_ >= 0) return {shownEntry_, grid_.Current().row, grid_.Current().column};
    }
    // From the first line the user sees: just before the selected table's description, or backwards just
    // after its last cell.
    const int32_t selected = list_.SelectedIndex();
    if (selected >= 0 && selected < list_.EntryCount())
        return backwards ? FindPosition{selected, INT32_MAX, 0} : FindPosition{selected, kDescriptionRow - 1, 0};
    // Just outside the list: every place lies after the first, before the second.
    return backwards ? FindPosition{list_.EntryCount(), kDescriptionRow, 0} : FindPosition{-1, kDescriptionRow, 0};
}

void DictionaryView::ShowHit(FindPosition hit) {
    SelectTable(hit.entry);
    grid_.SetCurrent(hit.IsDescription() ? GridCell{0, 1} : GridCell{hit.column, hit.row});
    grid_.HighlightCurrent();
    lastHit_ = LastHit{hit, grid_.Current(), grid_.Selection()};
}

void DictionaryView::SelectAll() {
    grid_.SetCurrent({grid_.ColumnCount() - 1, grid_.RowCount() - 1});
    grid_.SetCurrent({0, 0}, true);
}

std::string DictionaryView::CopyText() const {
    const GridRange range = grid_.Selection();
    if (range.left == range.right && range.top == range.bottom) return CellClipboardText(grid_, grid_.Current());
    return RangeClipboardText(grid_, range);
}

std::optional<std::string> DictionaryView::SelectedTableCopyText() const {
    const int32_t selected = list_.SelectedIndex();
    if (selected < 0 || selected >= list_.EntryCount()) return std::nullopt;
    std::string scratch;
    const std::string_view tableLine = dictionary_.lines.LineAt(list_.EntryTableLine(selected));
    return TableClipboardText(list_.EntryTextView(selected), TableIdentifier(tableLine, IsSqlEdition(), scratch));
}

}  // namespace dd
