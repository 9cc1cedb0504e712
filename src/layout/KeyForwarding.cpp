#include "layout/KeyForwarding.h"

#include "layout/VirtualKeys.h"

namespace dd {

FormKeyDecision DecideFormKey(uint16_t key, ShiftState shift, bool listerIsEmbedded) noexcept {
    using Action = FormKeyDecision::Action;
    if (shift.AltAlone() && key == keys::kX) return {Action::CloseHost, 0, false};
    if (!shift.None()) return {};
    if (key == keys::kEscape) return {Action::ForwardToLister, listerIsEmbedded ? keys::kTab : keys::kEscape, true};
    const bool listerKey = (key >= keys::kDigit1 && key <= keys::kDigit7) || key == keys::kN || key == keys::kP;
    if (listerKey) return {Action::ForwardToLister, key, true};
    if (key == keys::kF1) return {Action::About, 0, false};
    return {};
}

bool ControlForwardsKey(uint16_t key) noexcept { return key == keys::kEscape; }

}  // namespace dd
