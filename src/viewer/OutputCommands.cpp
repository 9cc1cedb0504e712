// The grid's output commands: copying to the clipboard, saving to a text file, printing. The texts,
// the file's bytes and the drawing commands come from the portable builders; these handlers only hand
// them to the clipboard, the file and the printer.
#include "viewer/OutputCommands.h"

#include "outputs/ClipboardText.h"
#include "outputs/ExportText.h"
#include "outputs/OutputTitles.h"
#include "outputs/PrintFieldGridCommands.h"
#include "platform/FileWriting.h"
#include "viewer/Clipboard.h"
#include "viewer/Printer.h"
#include "viewer/SaveDialog.h"
#include "viewer/unMain.h"

namespace dd {
namespace {

// "Текстовые файлы (*.txt)|*.txt"
constexpr std::string_view kSaveFilter = "\xD2\xE5\xEA\xF1\xF2\xEE\xE2\xFB\xE5 \xF4\xE0\xE9\xEB\xFB (*.txt)|*.txt";
constexpr std::string_view kSaveDefaultExtension = "txt";

}  // namespace

// The clipboard is opened on behalf of the application's main window, the Lister window of the
// newest load; while there is none (after Alt+X or a closed viewer) a private window stands in.
void TfmMain::N3Click(GridCell cell) { PutClipboardText(App().MainWindow(), CellClipboardText(SG.Source(), cell)); }

// A dictionary's field row as the menu has always copied it; a table's row as its cells, TAB-separated.
void TfmMain::N6Click(GridCell cell) {
    PutClipboardText(App().MainWindow(), data_ ? data_->RowText(cell.row) : RowClipboardText(Grid(), cell.row));
}

void TfmMain::N1Click() {
    // The form's save dialog: filter and default extension set at every use, the last name offered.
    const SaveDialogArgs SaveDialog1{Handle(), kSaveFilter, kSaveDefaultExtension, SaveDialog1FileName};
    const auto chosen = ShowSaveDialog(SaveDialog1);
    if (!chosen) return;
    SaveDialog1FileName = *chosen;
    WriteWholeFile(*chosen, ExportFileBytes(View().IsSqlEdition(), View().SelectedTableText(), Grid()));
}

void TfmMain::N4Click() {
    PrintFieldGrid(Grid(), CurrentColumnWidths(), PrintTitle(View().IsSqlEdition(), View().SelectedTableText()));
}

namespace {

Printer::CommandBuilder FieldGridPages(const GridModel& grid, const ColumnWidths& widths, std::string_view title) {
    return [&grid, widths, title](int printableHeight) {
        return PrintFieldGridCommands(grid, title, widths, printableHeight);
    };
}

}  // namespace

void PrintFieldGrid(const GridModel& grid, const ColumnWidths& widths, std::string_view title) {
    Printer::Instance().Print(FieldGridPages(grid, widths, title));
}

bool PrintFieldGrid(const GridModel& grid, const ColumnWidths& widths, std::string_view title,
                    const Printer::DeviceOpener& open) {
    return Printer::Instance().Print(FieldGridPages(grid, widths, title), open);
}

}  // namespace dd
