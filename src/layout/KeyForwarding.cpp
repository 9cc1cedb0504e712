#include "layout/KeyForwarding.h"

#include "layout/VirtualKeys.h"

namespace dd {
namespace {

using Action = FormKeyDecision::Action;

bool IsListerKey(uint16_t key) noexcept {
    return (key >= keys::kDigit1 && key <= keys::kDigit7) || key == keys::kN || key == keys::kP;
}

bool IsListerFunctionKey(uint16_t key, ShiftState shift) noexcept {
    if (key < keys::kF2 || key > keys::kF12 || key == keys::kF10) return false;
    return shift.None() || shift.ShiftAlone();
}

}  // namespace

FormKeyDecision DecideFormKey(uint16_t key, ShiftState shift, bool listerIsEmbedded) noexcept {
    if (shift.AltAlone() && key == keys::kX) return {Action::CloseHost, 0, false};
    if (!shift.None()) return {};
    if (key == keys::kEscape) return {Action::ForwardToLister, listerIsEmbedded ? keys::kTab : keys::kEscape, true};
    if (IsListerKey(key)) return {Action::ForwardToLister, key, true};
    if (key == keys::kF1) return {Action::About, 0, false};
    return {};
}

FormKeyDecision DecideControlKey(ViewerControl control, uint16_t key, ShiftState shift) noexcept {
    if (key == keys::kEscape) return {Action::ForwardToLister, keys::kEscape, false};
    if (shift.AltAlone() && key == keys::kX) return {Action::CloseHost, 0, false};
    if (IsListerFunctionKey(key, shift)) return {Action::ForwardToLister, key, true};
    if (shift.None() && IsListerKey(key)) return {Action::ForwardToLister, key, true};
    const bool table = control == ViewerControl::TableGrid;
    if (shift.None() && key == keys::kReturn && !table) return {Action::OpenTableData, 0, true};
    if (shift.None() && key == keys::kBack && table) return {Action::BackToDictionary, 0, true};
    if (!shift.CtrlAlone()) return {};
    const bool copyKey = key == keys::kC || key == keys::kInsert;
    if (control == ViewerControl::List && copyKey) return {Action::CopyTable, 0, true};
    if (control != ViewerControl::List) {
        if (copyKey) return {Action::Copy, 0, true};
        if (key == keys::kA) return {Action::SelectAll, 0, true};
    }
    return {};
}

}  // namespace dd
