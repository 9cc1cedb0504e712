#pragma once

#include <cstdint>

#include "layout/ViewerControl.h"

namespace dd {

// The modifier keys held when a key was pressed.
struct ShiftState {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
    bool None() const noexcept { return !shift && !alt && !ctrl; }
    bool AltAlone() const noexcept { return alt && !shift && !ctrl; }
    bool CtrlAlone() const noexcept { return ctrl && !shift && !alt; }
    bool ShiftAlone() const noexcept { return shift && !alt && !ctrl; }
    bool operator==(const ShiftState&) const = default;
};

// What the viewer does with a key that reaches the viewer window or one of its controls before the
// window handles it itself.
struct FormKeyDecision {
    enum class Action {
        Nothing,
        ForwardToLister,
        CloseHost,
        About,
        Copy,
        CopyTable,
        SelectAll,
        OpenTableData,     // the selected table's rows in the data view
        BackToDictionary,  // from the data view to the dictionary, the table selected
    };
    Action action = Action::Nothing;
    uint16_t listerKey = 0;  // the key posted to the Lister window for ForwardToLister
    bool consumes = false;   // the key gets no further processing
    bool operator==(const FormKeyDecision&) const = default;
};

// The viewer window with the focus itself: Esc goes back to the Lister window (as Tab when the Lister
// is embedded in another window, since there Esc would close the host's panel view), as do 1 to 7, N
// and P; Alt+X closes the host.
FormKeyDecision DecideFormKey(uint16_t key, ShiftState shift, bool listerIsEmbedded) noexcept;

// The table list and the field grid pass on what the viewer window passes on (1 to 7, N and P to the
// Lister window, Alt+X closing the host), since the keys would never reach the window otherwise. Esc
// keeps their own rule: handed back whatever the modifiers and kept too, never turned into Tab. The
// function keys F2 to F12, alone or with Shift, go to the Lister window as well, for its search (F7, F3,
// Shift+F3, F5) and its other commands; F10 stays the system's menu key and Shift+F10 the context
// menu's, and F1 does nothing. The grid copies on Ctrl+C and Ctrl+Insert and selects every cell on Ctrl+A;
// the list copies its selected table's description and identifier on Ctrl+C and Ctrl+Insert. Enter in the
// list or the field grid opens the selected table's rows; the grid of a table's rows copies and selects as
// the field grid does, and Backspace goes back to the dictionary.
FormKeyDecision DecideControlKey(ViewerControl control, uint16_t key, ShiftState shift) noexcept;

}  // namespace dd
