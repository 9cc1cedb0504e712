#include "viewer/TableListBox.h"

#include <windowsx.h>

#include <string>

#include "dictionary/Error.h"
#include "layout/ListItemIndex.h"
#include "platform/win32/WideText.h"
#include "viewer/DarkControls.h"
#include "viewer/ModuleInstance.h"
#include "viewer/OsError.h"

namespace dd {
namespace {

constexpr int kRowHeight = 14;
// Tooltips wider than this wrap; a description rarely needs half of it.
constexpr int kTooltipMaximumWidth = 600;

UniqueWindow CreateListBox(const TableListBoxArgs& args) {
    UniqueWindow window(CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY |
                                            LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                                        args.bounds.left, args.bounds.top, args.bounds.width, args.bounds.height,
                                        args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)),
                                        ModuleInstance(), nullptr));
    if (!window) throw LastOsError();
    return window;
}

bool IsMouseButtonMessage(UINT message) noexcept { return message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK; }

// Messages after which another entry may lie under the mouse without the mouse moving.
bool MayScrollTheEntries(UINT message) noexcept {
    return message == WM_VSCROLL || message == WM_MOUSEWHEEL || IsKeyDownMessage(message);
}

// Every entry's text in UTF-16, one after the other, each ended by a zero: one conversion and one
// block for the whole list instead of a string per entry.
std::wstring WideEntryTexts(const TableListModel& model) {
    const int32_t count = model.EntryCount();
    size_t length = 0;
    for (int32_t i = 0; i < count; ++i) length += model.EntryTextView(i).size() + 1;
    std::wstring texts;
    texts.reserve(length);
    for (int32_t i = 0; i < count; ++i) {
        AppendWideFromCp1251(texts, model.EntryTextView(i));
        texts.push_back(L'\0');
    }
    return texts;
}

}  // namespace

TableListBox::TableListBox(const TableListBoxArgs& args)
    : args_(args),
      model_(*args.model),
      palette_(*args.palette),
      window_(CreateListBox(args)),
      tooltip_(window_.get(), args.errors),
      binding_(*this, args.errors, window_) {
    SetFont(args.font, args.dpi);
    binding_.Subclass();
}

LRESULT TableListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) return OnHitTest(message, wParam, lParam);
    if (message == WM_SETFOCUS && args_.onFocus) args_.onFocus();
    if (message == WM_MOUSEMOVE) OnMouseMove(lParam);
    if (message == WM_MOUSEMOVE || IsMouseButtonMessage(message)) tooltip_.Relay(message, wParam, lParam);
    if (MayScrollTheEntries(message)) ForgetHoveredEntry();
    if (IsKeyDownMessage(message) && args_.onKeyDown) return OnKeyDown(message, wParam, lParam);
    if (message == WM_NCPAINT) {
        const LRESULT result = binding_.Default(message, wParam, lParam);
        PaintDarkClientEdge(Handle(), palette_);
        return result;
    }
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

LRESULT TableListBox::OnHitTest(UINT message, WPARAM wParam, LPARAM lParam) {
    // The splitter's zone reaches over the list's border: there the mouse goes through to the parent.
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (args_.passesMouseToParent && args_.passesMouseToParent(screen)) return HTTRANSPARENT;
    return binding_.Default(message, wParam, lParam);
}

void TableListBox::OnMouseMove(LPARAM lParam) {
    const int32_t entry = EntryAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (entry == hoveredEntry_) return;
    if (entry < 0 || !args_.tooltipText) {
        ForgetHoveredEntry();
        return;
    }
    RECT item{};
    SendMessageW(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&item));
    tooltip_.SetItem(item, WideFromCp1251(args_.tooltipText(entry)));
    hoveredEntry_ = entry;
}

int32_t TableListBox::EntryAt(POINT point) const {
    const LRESULT found = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (found == LB_ERR || HIWORD(found) != 0) return -1;  // outside the client area, or below the last entry
    const auto top = static_cast<int32_t>(SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0));
    const int32_t entry = ListItemIndexFromLowWord(LOWORD(found), top);
    if (entry >= model_.EntryCount()) return -1;
    RECT item{};
    if (SendMessageW(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return -1;
    return PtInRect(&item, point) ? entry : -1;
}

void TableListBox::ForgetHoveredEntry() {
    if (hoveredEntry_ < 0) return;
    hoveredEntry_ = -1;
    tooltip_.ClearItem();
}

void TableListBox::SetFont(HFONT font, Dpi dpi) {
    args_.font = font;
    args_.dpi = dpi;
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, dpi.Scale(kRowHeight));
    tooltip_.SetMaximumWidth(dpi.Scale(kTooltipMaximumWidth));
    ForgetHoveredEntry();
}

void TableListBox::ShowEntries() {
    ForgetHoveredEntry();
    const int32_t count = model_.EntryCount();
    const std::wstring texts = WideEntryTexts(model_);
    // One reservation and no repainting while a dictionary of any size is listed.
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    SendMessageW(Handle(), LB_INITSTORAGE, static_cast<WPARAM>(count),
                 static_cast<LPARAM>(texts.size() * sizeof(wchar_t)));
    // Each entry goes straight to the list box's own procedure: the way through SendMessageW and this
    // object's procedure costs, under Wine, a third of what adding the entry itself costs.
    const wchar_t* text = texts.c_str();
    for (int32_t i = 0; i < count; ++i) {
        const LRESULT added = binding_.Default(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (added == LB_ERR || added == LB_ERRSPACE) {
            SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
            throw Error("Unable to insert a line");
        }
        text += model_.EntryTextView(i).size() + 1;  // an entry's text may hold a zero of its own
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
