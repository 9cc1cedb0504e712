#pragma once

#include <cstdint>
#include <optional>

#include "layout/KeyForwarding.h"
#include "layout/ViewerControl.h"

namespace dd {

// Where Tab moves the focus from a control, as in any dialog: Tab to the next control, Shift+Tab to the
// previous one, round the end; with two controls either one leads to the other. Empty for any other
// key, and for Tab with Ctrl or Alt, which belong to the system and the host, and in the data view, whose grid is
// its only control.
std::optional<ViewerControl> ControlAfterTab(ViewerControl focused, uint16_t key, ShiftState shift) noexcept;

}  // namespace dd
