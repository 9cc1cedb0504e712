#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "dictionary/TableListModel.h"
#include "layout/Dpi.h"
#include "layout/ViewerLayout.h"
#include "viewer/CallbackGuard.h"
#include "viewer/HoverTooltip.h"
#include "viewer/KeyEvents.h"
#include "viewer/Palette.h"
#include "viewer/WinHandles.h"
#include "viewer/WindowBase.h"

namespace dd {

// What the table list is made with.
struct TableListBoxArgs {
    HWND parent = nullptr;
    int controlId = 0;
    Bounds bounds;
    HFONT font = nullptr;
    Dpi dpi;
    // What the list shows: the entries and the selection.
    const TableListModel* model = nullptr;
    // The colours it is drawn in: the form's palette, which may change while the list lives.
    const Palette* palette = nullptr;
    ExceptionSink* errors = nullptr;
    // Raised before the list box handles a key itself; a key set to 0 is not handled.
    KeyDownHandler onKeyDown;
    // Raised when the list gains the focus.
    std::function<void()> onFocus;
    // The tooltip of an entry, in Windows-1251.
    std::function<std::string(int32_t entry)> tooltipText;
    // Whether the mouse at this screen point belongs to the parent (the splitter over the list's border).
    std::function<bool(POINT screenPoint)> passesMouseToParent;
};

// The table list on a standard list box: rows of 14 pixels (at 96 DPI), entries in the order of the
// model, single selection, a tooltip with the text of the entry under the mouse. The list box notifies
// its parent of every selection the user makes (LBN_SELCHANGE); a selection shown from the model
// notifies nothing. The list box is subclassed: its keys go to onKeyDown first, its mouse messages to
// the tooltip, everything else to the list box's own procedure. It is owner-drawn so that its
// selection takes the palette's colours, and keeps its strings (LBS_HASSTRINGS), so that LB_GETTEXT
// reads every entry, as screen readers and automation read them.
class TableListBox : WindowBase<TableListBox> {
public:
    explicit TableListBox(const TableListBoxArgs& args);

    HWND Handle() const noexcept { return window_.get(); }
    HWND TooltipHandle() const noexcept { return tooltip_.Handle(); }
    // The tooltip's colours from the palette: the dark ones in dark mode, the system's tooltip colours in light.
    void ColourTooltip() const {
        tooltip_.SetColours(palette_.Colour(PaintRole::TooltipBackground), palette_.Colour(PaintRole::TooltipText));
    }

    // Shows the model's entries in place of what the list box held, and the model's selection.
    // Fails with "Unable to insert a line" when the list box cannot take an entry.
    void ShowEntries();
    // Shows the model's selection.
    void ShowSelection();
    // The entry that the list box has selected (the user's choice); -1 for none.
    int32_t SelectedIndex() const;
    // Shows the entries in this font at this resolution (rows scaled with it). The font must live
    // until the next call or the list's end.
    void SetFont(HFONT font, Dpi dpi);
    // Draws one entry for the owner's WM_DRAWITEM, as the standard list box draws it, in the palette's colours.
    void DrawItem(const DRAWITEMSTRUCT& item) const;

private:
    friend class WindowBase<TableListBox>;
    // The list box finds its object in its user data: a window property would cost a trip to Wine's
    // server for every message, and the list takes one message per table while it is filled (200,000
    // for the largest dictionaries).
    static constexpr ObjectSlot kObjectSlot{};

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnHitTest(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(LPARAM lParam);
    // The entry whose row lies under a client point; -1 for none.
    int32_t EntryAt(POINT point) const;
    void ForgetHoveredEntry();

    TableListBoxArgs args_;
    const TableListModel& model_;
    const Palette& palette_;
    UniqueWindow window_;
    HoverTooltip tooltip_;
    int32_t hoveredEntry_ = -1;  // the entry the tooltip covers
    Binding binding_;            // last: the list box's own procedure is back before any member goes
};

}  // namespace dd
