// Tab and Shift+Tab between the table list and the field grid, as in a dialog: the host's message loop
// has no dialog manager to do it.
#include "viewer/unMain.h"

namespace dd {

void TfmMain::TabKeyDown(ViewerControl from, uint16_t& key, ShiftState shift) {
    const std::optional<ViewerControl> next = ControlAfterTab(from, key, shift);
    if (!next) return;
    SetFocus(*next == ViewerControl::List ? LB.Handle() : SG.Handle());
    key = 0;
}

}  // namespace dd
