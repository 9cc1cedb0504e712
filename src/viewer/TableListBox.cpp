#include "viewer/TableListBox.h"

#include <string>

#include "dictionary/Error.h"
#include "viewer/ModuleInstance.h"
#include "viewer/OsError.h"

namespace dd {
namespace {

constexpr int kRowHeight = 14;

}  // namespace

TableListBox::TableListBox(const TableListBoxArgs& args) : args_(args), model_(*args.model) {
    window_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                              args.bounds.left, args.bounds.top, args.bounds.width, args.bounds.height, args.parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)), ModuleInstance(), nullptr);
    if (window_ == nullptr) throw LastOsError();
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
    SendMessageA(window_, LB_SETITEMHEIGHT, 0, kRowHeight);
    // The list box finds its object in its user data: a window property would cost a trip to the
    // window server for every message, and the list takes one message per table while it is filled.
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    listBoxProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TableListBox::SubclassProc)));
}

TableListBox::~TableListBox() {
    if (window_ == nullptr) return;
    const HWND window = window_;
    Unsubclass();
    DestroyWindow(window);
}

void TableListBox::Unsubclass() noexcept {
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listBoxProc_));
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
}

LRESULT CALLBACK TableListBox::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* list = reinterpret_cast<TableListBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (list == nullptr) {
        const auto classProc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
        return CallWindowProcA(classProc, window, message, wParam, lParam);
    }
    return GuardedCallback(list->args_.errors, 0, [&] { return list->HandleMessage(message, wParam, lParam); });
}

LRESULT TableListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    const WNDPROC listBoxProc = listBoxProc_;
    if (IsKeyDownMessage(message) && args_.onKeyDown) {
        auto key = static_cast<uint16_t>(wParam);
        args_.onKeyDown(key, ShiftStateOf(lParam));
        if (key == 0) return 0;
        wParam = key;
    }
    if (message == WM_NCDESTROY) Unsubclass();
    return CallWindowProcA(listBoxProc, window, message, wParam, lParam);
}

void TableListBox::ShowEntries() {
    const int32_t count = model_.EntryCount();
    size_t bytes = 0;
    for (int32_t i = 0; i < count; ++i) bytes += model_.EntryTextView(i).size() + 1;
    // One reservation and no repainting while a dictionary of any size is listed.
    SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(window_, LB_RESETCONTENT, 0, 0);
    SendMessageA(window_, LB_INITSTORAGE, static_cast<WPARAM>(count), static_cast<LPARAM>(bytes));
    std::string text;
    for (int32_t i = 0; i < count; ++i) {
        text.assign(model_.EntryTextView(i));
        const LRESULT added = SendMessageA(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (added == LB_ERR || added == LB_ERRSPACE) {
            SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
            throw Error("Unable to insert a line");
        }
    }
    SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
    ShowSelection();
    InvalidateRect(window_, nullptr, TRUE);
}

void TableListBox::ShowSelection() { SendMessageA(window_, LB_SETCURSEL, model_.SelectedIndex(), 0); }

int32_t TableListBox::SelectedIndex() const {
    const LRESULT selected = SendMessageA(window_, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int32_t>(selected);
}

}  // namespace dd
