// The focus within the viewer: Tab and Shift+Tab between the table list and the field grid, as in a
// dialog (the host's message loop has no dialog manager to do it), and the focus the Lister gives the
// viewer window handed on to the control that had it last.
#include "viewer/unMain.h"

namespace dd {

HWND TfmMain::ControlHandle(ViewerControl control) const noexcept {
    return control == ViewerControl::List ? LB.Handle() : SG.Handle();
}

void TfmMain::TabKeyDown(ViewerControl from, uint16_t& key, ShiftState shift) {
    const std::optional<ViewerControl> next = ControlAfterTab(from, key, shift);
    if (!next) return;
    SetFocus(ControlHandle(*next));
    key = 0;
}

// The viewer window itself takes no keys but its own few (FormKeyDown): with the focus it would leave
// the arrows, F3 and Ctrl+C dead until the user clicked a control.
void TfmMain::OnSetFocus() { SetFocus(ControlHandle(activeControl_)); }

}  // namespace dd
