// The table list's entries drawn by the viewer: in light mode pixel for pixel as the standard list box
// draws its own (the text 1 pixel in from the left at the top of the row, on the whole row, the focus
// rectangle over it), in whichever colours the palette holds.
#include <string>

#include "viewer/TableListBox.h"
#include "viewer/WinHandles.h"

namespace dd {
namespace {

std::wstring EntryText(HWND list, UINT index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR || length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

}  // namespace

void TableListBox::DrawItem(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    const RECT& rect = item.rcItem;
    // A change of focus alone turns the focus rectangle over (it is drawn inverted); an empty list
    // shows no more than the rectangle.
    if (item.itemAction == ODA_FOCUS || item.itemID == static_cast<UINT>(-1)) {
        if (item.itemAction == ODA_FOCUS || (item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &rect);
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const std::wstring text = EntryText(Handle(), item.itemID);
    SelectedObject font(dc, args_.font);
    const COLORREF background =
        SetBkColor(dc, palette_.Colour(selected ? PaintRole::Selection : PaintRole::Background));
    const COLORREF foreground =
        SetTextColor(dc, palette_.Colour(selected ? PaintRole::SelectionText : PaintRole::Text));
    ExtTextOutW(dc, rect.left + 1, rect.top, ETO_OPAQUE | ETO_CLIPPED, &rect, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    SetBkColor(dc, background);
    SetTextColor(dc, foreground);
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &rect);
}

}  // namespace dd
