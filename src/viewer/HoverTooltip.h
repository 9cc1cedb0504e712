#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "viewer/CallbackGuard.h"
#include "viewer/WinHandles.h"
#include "viewer/WindowBase.h"

namespace dd {

// The tooltip of a control's items (the table list's entries, the captions of a base's table) on the standard
// tooltip control of comctl32: one tool, the rectangle of the item under the mouse with that item's text, moved
// from item to item as the mouse goes. The control hands it its mouse messages, from which the tooltip times
// its showing.
//
// The tooltip is a pop-up, which Windows gives the control's top-level window as its owner; this object
// owns it, so that it goes with the viewer, and lets go of it when Windows destroys it first (when its
// owner goes). It is subclassed for that alone and finds its object in its user data, which the
// control leaves to its user.
class HoverTooltip : WindowBase<HoverTooltip> {
public:
    // Fails with the system's error when the control cannot be made or take its tool.
    HoverTooltip(HWND control, ExceptionSink* errors);

    HWND Handle() const noexcept { return window_.get(); }
    // The tool covers the item in `itemRect` (the control's client coordinates) and shows `text`.
    void SetItem(const RECT& itemRect, const std::wstring& text);
    // No item: the tooltip hides and shows nothing until the next SetItem.
    void ClearItem();
    // Hands one of the control's mouse messages to the tooltip.
    void Relay(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Lines longer than this wrap; the control breaks lines at CR LF only once it has a width.
    void SetMaximumWidth(int pixels) const;
    // The colours the control paints its ground and its text in where no theme paints it.
    void SetColours(COLORREF background, COLORREF text) const;

private:
    friend class WindowBase<HoverTooltip>;
    static constexpr ObjectSlot kObjectSlot{};

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return binding_.Default(message, wParam, lParam);
    }
    TTTOOLINFOW Tool() const noexcept;

    HWND list_;
    std::wstring text_;  // the control reads the text it is given when it shows it
    UniqueWindow window_;
    Binding binding_;  // last: the control's own procedure is back before any member goes
};

}  // namespace dd
