// The viewer's keys: which of them go back to the host's windows or run the grid's commands, and the
// menu's close command.
#include "viewer/unMain.h"

namespace dd {

void TfmMain::PostToLister(uint16_t key) const noexcept { PostMessageW(ListerWnd, WM_KEYDOWN, key, 0); }

void TfmMain::RunKeyDecision(const FormKeyDecision& decision) {
    using Action = FormKeyDecision::Action;
    switch (decision.action) {
        case Action::CloseHost:
            application_.DetachViewer();
            // Without a host main window the close command has nowhere to go; a post to window 0
            // would land in the thread's own queue instead.
            if (HostMainWnd != nullptr) PostMessageW(HostMainWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case Action::ForwardToLister:
            PostToLister(decision.listerKey);
            break;
        case Action::About:
            AboutClick();
            break;
        case Action::Copy:
            CopySelection();
            break;
        case Action::CopyTable:
            CopySelectedTable();
            break;
        case Action::SelectAll:
            SelectAllCells();
            break;
        case Action::OpenTableData:
            OpenSelectedTableData();
            break;
        case Action::BackToDictionary:
            BackToDictionary();
            break;
        case Action::Nothing:
            break;
    }
}

void TfmMain::FormKeyDown(uint16_t& key, ShiftState shift) {
    const FormKeyDecision decision = DecideFormKey(key, shift, ListerIsEmbedded);
    if (decision.consumes) key = 0;
    RunKeyDecision(decision);
}

// The focus is in the list or the grid from opening on, so they pass on the keys the host expects.
void TfmMain::LBKeyDown(uint16_t& key, ShiftState shift) {
    const FormKeyDecision decision = DecideControlKey(ViewerControl::List, key, shift);
    if (decision.consumes) key = 0;
    RunKeyDecision(decision);
}

void TfmMain::SGKeyDown(uint16_t& key, ShiftState shift) {
    const FormKeyDecision decision = DecideControlKey(GridControl(), key, shift);
    if (decision.consumes) key = 0;
    RunKeyDecision(decision);
}

void TfmMain::N5Click() { PostToLister(VK_ESCAPE); }

// The about box is never shown.
void TfmMain::AboutClick() {}

}  // namespace dd
