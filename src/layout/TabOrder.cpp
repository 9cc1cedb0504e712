#include "layout/TabOrder.h"

#include "layout/VirtualKeys.h"

namespace dd {

std::optional<ViewerControl> ControlAfterTab(ViewerControl focused, uint16_t key, ShiftState shift) noexcept {
    if (key != keys::kTab || shift.ctrl || shift.alt || focused == ViewerControl::TableGrid) return std::nullopt;
    return focused == ViewerControl::List ? ViewerControl::Grid : ViewerControl::List;
}

}  // namespace dd
