// The commands that the Lister sends the viewer (search, copy, select all, print) and the grid's keys
// for copy and select all. The search, the selection and the copied text are the headless viewer's;
// these handlers show their results in the list and the grid and hand the text and the pages on.
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

void TfmMain::SelectAllCells() {
    view_.SelectAll();
    SG.ModelChanged();
}

bool TfmMain::PrintWithDialog(const std::wstring& printerName) {
    return PrintFieldGrid(Grid(), CurrentColumnWidths(), PrintTitle(View().IsSqlEdition(), View().SelectedTableText()),
                          [&] { return ShowPrintDialog(Handle(), printerName); });
}

}  // namespace dd
