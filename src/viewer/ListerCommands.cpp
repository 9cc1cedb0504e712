// The commands that the Lister sends the viewer (search, copy, select all, print), the grid's keys for
// copy and select all, and the list's key for copy. The search, the selection and the copied texts are
// the headless viewer's; these handlers show their results in the list and the grid and hand the texts
// and the pages on.
#include "outputs/OutputTitles.h"
#include "viewer/Clipboard.h"
#include "viewer/OutputCommands.h"
#include "viewer/PrintDialog.h"
#include "viewer/unMain.h"

namespace dd {

bool TfmMain::FindText(std::string_view text, int flags) {
    if (!view_.Find(text, flags)) return false;
    LB.ShowSelection();
    SG.ModelChanged();
    SG.ScrollCurrentIntoView();
    return true;
}

// On behalf of the application's main window, as the menu's copy commands.
void TfmMain::CopySelection() { PutClipboardText(App().MainWindow(), view_.CopyText()); }

// The list's copy: the same clipboard layer and formats as the grid's. Nothing is selected only in a
// list without tables; the clipboard is left alone then.
void TfmMain::CopySelectedTable() {
    if (const auto text = view_.SelectedTableCopyText()) PutClipboardText(App().MainWindow(), *text);
}

void TfmMain::SelectAllCells() {
    view_.SelectAll();
    SG.ModelChanged();
}

bool TfmMain::PrintWithDialog(const std::wstring& printerName) {
    return PrintFieldGrid(Grid(), CurrentColumnWidths(), PrintTitle(View().IsSqlEdition(), View().SelectedTableText()),
                          [&] { return ShowPrintDialog(Handle(), printerName); });
}

}  // namespace dd
