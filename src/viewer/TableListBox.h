#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "CallbackGuard.h"
#include "KeyEvents.h"
#include "dictionary/TableList.h"
#include "layout/ViewerLayout.h"

namespace dd {

// What the table list is made with.
struct TableListBoxArgs {
    HWND parent = nullptr;
    int controlId = 0;
    Bounds bounds;
    HFONT font = nullptr;
    ExceptionSink* errors = nullptr;
    // Raised before the list box handles a key itself; a key set to 0 is not handled.
    KeyDownHandler onKeyDown;
};

// The table list on a standard list box: rows of 14 pixels, entries in the order they are appended,
// single selection. Each entry keeps the line of its table in the dictionary. The list box notifies
// its parent of every selection the user makes (LBN_SELCHANGE); a selection from code notifies nothing.
class TableListBox : public TableList {
public:
    explicit TableListBox(const TableListBoxArgs& args);
    ~TableListBox() override;
    TableListBox(const TableListBox&) = delete;
    TableListBox& operator=(const TableListBox&) = delete;

    HWND Handle() const noexcept { return window_; }

    void AppendEntry(std::string_view text, int32_t tableLine) override;
    int32_t EntryCount() const override { return static_cast<int32_t>(entries_.size()); }
    std::string EntryText(int32_t index) const override;
    int32_t EntryTableLine(int32_t index) const override;
    int32_t SelectedIndex() const override;
    void SelectEntry(int32_t index) override;

private:
    struct Entry {
        std::string text;
        int32_t tableLine;
    };
    const Entry& At(int32_t index) const;
    // Hands the entries appended since the last call to the list box in one batch.
    void ShowPendingEntries() const;

    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Unsubclass() noexcept;

    TableListBoxArgs args_;
    std::vector<Entry> entries_;
    mutable size_t shownEntries_ = 0;
    HWND window_ = nullptr;
    WNDPROC listBoxProc_ = nullptr;
};

}  // namespace dd
