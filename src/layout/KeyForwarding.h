#pragma once

#include <cstdint>

namespace dd {

// The modifier keys held when a key was pressed.
struct ShiftState {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
    bool None() const noexcept { return !shift && !alt && !ctrl; }
    bool AltAlone() const noexcept { return alt && !shift && !ctrl; }
    bool operator==(const ShiftState&) const = default;
};

// What the viewer window does with a key that reaches it while it has the focus itself.
struct FormKeyDecision {
    enum class Action { Nothing, ForwardToLister, CloseHost, About };
    Action action = Action::Nothing;
    uint16_t listerKey = 0;  // the key posted to the Lister window for ForwardToLister
    bool consumes = false;   // the key gets no further processing
    bool operator==(const FormKeyDecision&) const = default;
};

// Esc goes back to the Lister window (as Tab when the Lister is embedded in another window, since
// there Esc would close the host's panel view), as do 1 to 7, N and P; Alt+X closes the host.
FormKeyDecision DecideFormKey(uint16_t key, ShiftState shift, bool listerIsEmbedded) noexcept;

// The list and the grid hand Esc back to the Lister window whatever the modifiers, and keep it themselves too.
bool ControlForwardsKey(uint16_t key) noexcept;

}  // namespace dd
