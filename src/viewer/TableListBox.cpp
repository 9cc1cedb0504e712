#include "viewer/TableListBox.h"

#include <string>

#include "dictionary/Error.h"
#include "platform/win32/WideText.h"
#include "viewer/ModuleInstance.h"
#include "viewer/OsError.h"

namespace dd {
namespace {

constexpr int kRowHeight = 14;

UniqueWindow CreateListBox(const TableListBoxArgs& args) {
    UniqueWindow window(
        CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        args.bounds.left, args.bounds.top, args.bounds.width, args.bounds.height, args.parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)), ModuleInstance(), nullptr));
    if (!window) throw LastOsError();
    SendMessageW(window.get(), WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
    SendMessageW(window.get(), LB_SETITEMHEIGHT, 0, kRowHeight);
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
    if (key != 0) return binding_.Default(message, key, lParam);
    // The character that the keyboard made of a key handled here (N, P, a digit) waits in the queue
    // already; the list box would select the next entry that starts with it.
    MSG character;
    if (message == WM_KEYDOWN) PeekMessageW(&character, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE);
    return 0;
}

void TableListBox::ShowEntries() {
    const int32_t count = model_.EntryCount();
    size_t bytes = 0;
    for (int32_t i = 0; i < count; ++i) bytes += (model_.EntryTextView(i).size() + 1) * sizeof(wchar_t);
    // One reservation and no repainting while a dictionary of any size is listed.
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    SendMessageW(Handle(), LB_INITSTORAGE, static_cast<WPARAM>(count), static_cast<LPARAM>(bytes));
    for (int32_t i = 0; i < count; ++i) {
        const std::wstring text = WideFromCp1251(model_.EntryTextView(i));
        const LRESULT added = SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (added == LB_ERR || added == LB_ERRSPACE) {
            SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
            throw Error("Unable to insert a line");
        }
    }
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    ShowSelection();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TableListBox::ShowSelection() { SendMessageW(Handle(), LB_SETCURSEL, model_.SelectedIndex(), 0); }

int32_t TableListBox::SelectedIndex() const {
    const LRESULT selected = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int32_t>(selected);
}

}  // namespace dd
