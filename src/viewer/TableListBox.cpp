#include "viewer/TableListBox.h"

#include <string>

#include "dictionary/Error.h"
#include "viewer/ModuleInstance.h"
#include "viewer/OsError.h"

namespace dd {
namespace {

constexpr int kRowHeight = 14;

UniqueWindow CreateListBox(const TableListBoxArgs& args) {
    UniqueWindow window(
        CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        args.bounds.left, args.bounds.top, args.bounds.width, args.bounds.height, args.parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)), ModuleInstance(), nullptr));
    if (!window) throw LastOsError();
    SendMessageA(window.get(), WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
    SendMessageA(window.get(), LB_SETITEMHEIGHT, 0, kRowHeight);
    return window;
}

}  // namespace

TableListBox::TableListBox(const TableListBoxArgs& args)
    : args_(args), model_(*args.model), window_(CreateListBox(args)), binding_(*this, args.errors, window_) {
    binding_.Subclass();
}

LRESULT TableListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsKeyDownMessage(message) && args_.onKeyDown) return OnKeyDown(message, wParam, lParam);
    return binding_.Default(message, wParam, lParam);
}

LRESULT TableListBox::OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam) {
    auto key = static_cast<uint16_t>(wParam);
    args_.onKeyDown(key, ShiftStateOf(lParam));
    if (key == 0) return 0;
    return binding_.Default(message, key, lParam);
}

void TableListBox::ShowEntries() {
    const int32_t count = model_.EntryCount();
    size_t bytes = 0;
    for (int32_t i = 0; i < count; ++i) bytes += model_.EntryTextView(i).size() + 1;
    // One reservation and no repainting while a dictionary of any size is listed.
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    SendMessageA(Handle(), LB_INITSTORAGE, static_cast<WPARAM>(count), static_cast<LPARAM>(bytes));
    std::string text;
    for (int32_t i = 0; i < count; ++i) {
        text.assign(model_.EntryTextView(i));
        const LRESULT added = SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (added == LB_ERR || added == LB_ERRSPACE) {
            SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
            throw Error("Unable to insert a line");
        }
    }
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    ShowSelection();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TableListBox::ShowSelection() { SendMessageA(Handle(), LB_SETCURSEL, model_.SelectedIndex(), 0); }

int32_t TableListBox::SelectedIndex() const {
    const LRESULT selected = SendMessageA(Handle(), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int32_t>(selected);
}

}  // namespace dd
