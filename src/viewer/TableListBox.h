#pragma once

#include <windows.h>

#include <cstdint>

#include "dictionary/TableListModel.h"
#include "layout/ViewerLayout.h"
#include "viewer/CallbackGuard.h"
#include "viewer/KeyEvents.h"

namespace dd {

// What the table list is made with.
struct TableListBoxArgs {
    HWND parent = nullptr;
    int controlId = 0;
    Bounds bounds;
    HFONT font = nullptr;
    // What the list shows: the entries and the selection.
    const TableListModel* model = nullptr;
    ExceptionSink* errors = nullptr;
    // Raised before the list box handles a key itself; a key set to 0 is not handled.
    KeyDownHandler onKeyDown;
};

// The table list on a standard list box: rows of 14 pixels, entries in the order of the model,
// single selection. The list box notifies its parent of every selection the user makes
// (LBN_SELCHANGE); a selection shown from the model notifies nothing.
class TableListBox {
public:
    explicit TableListBox(const TableListBoxArgs& args);
    ~TableListBox();
    TableListBox(const TableListBox&) = delete;
    TableListBox& operator=(const TableListBox&) = delete;

    HWND Handle() const noexcept { return window_; }

    // Shows the model's entries in place of what the list box held, and the model's selection.
    // Fails with "Unable to insert a line" when the list box cannot take an entry.
    void ShowEntries();
    // Shows the model's selection.
    void ShowSelection();
    // The entry that the list box has selected (the user's choice); -1 for none.
    int32_t SelectedIndex() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Unsubclass() noexcept;

    TableListBoxArgs args_;
    const TableListModel& model_;
    HWND window_ = nullptr;
    WNDPROC listBoxProc_ = nullptr;
};

}  // namespace dd
