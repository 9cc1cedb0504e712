// The commands that the Lister sends the viewer (search, copy, select all, print), the grid's keys for
// copy and select all, and the list's key for copy. The search, the selection and the copied texts are
// the headless viewer's; these handlers show their results in the list and the grid and hand the texts
// and the pages on.
#include "outputs/OutputTitles.h"
#include "viewer/Clipboard.h"
#include "viewer/InfoMessage.h"
#include "viewer/OutputCommands.h"
#include "viewer/PrintDialog.h"
#include "viewer/unMain.h"

namespace dd {

namespace {

// A copy of more rows than this asks first: the clipboard would hold megabytes.
constexpr uint64_t kRowsCopiedWithoutAsking = 100'000;

// "Скопировать в буфер обмена строк: N?"
std::string AskToCopyRows(uint64_t rows) {
    return "\xD1\xEA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xE2 \xE1\xF3\xF4\xE5\xF0 \xEE\xE1\xEC\xE5\xED\xE0 "
           "\xF1\xF2\xF0\xEE\xEA: " +
           std::to_string(rows) + "?";
}

}  // namespace

bool TfmMain::FindText(std::string_view text, int flags) {
    if (data_) {
        if (!data_->Find(text, flags, SG.VisibleRows())) return false;
        SG.ModelChanged();
        SG.ScrollCurrentIntoView();
        return true;
    }
    if (!view_.Find(text, flags)) return false;
    LB.ShowSelection();
    SG.ModelChanged();
    SG.ScrollCurrentIntoView();
    return true;
}

// On behalf of the application's main window, as the menu's copy commands.
void TfmMain::CopySelection() {
    if (!data_) {
        PutClipboardText(App().MainWindow(), view_.CopyText());
        return;
    }
    const uint64_t rows = data_->SelectedRowCount();
    if (rows > kRowsCopiedWithoutAsking && !AskYesNo(Handle(), AskToCopyRows(rows))) return;
    PutClipboardText(App().MainWindow(), data_->CopyText());
}

// The list's copy: the same clipboard layer and formats as the grid's. Nothing is selected only in a
// list without tables; the clipboard is left alone then.
void TfmMain::CopySelectedTable() {
    if (const auto text = view_.SelectedTableCopyText()) PutClipboardText(App().MainWindow(), *text);
}

void TfmMain::SelectAllCells() {
    if (data_)
        data_->SelectAll();
    else
        view_.SelectAll();
    SG.ModelChanged();
}

// A base's table is not printed: its pages would be counted in thousands.
bool TfmMain::PrintWithDialog(const std::wstring& printerName) {
    if (data_) return false;
    return PrintFieldGrid(Grid(), CurrentColumnWidths(), PrintTitle(View().IsSqlEdition(), View().SelectedTableText()),
                          [&] { return ShowPrintDialog(Handle(), printerName); });
}

}  // namespace dd
