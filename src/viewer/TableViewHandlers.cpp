// The data view: a base's table in the same grid as the field grid, under a line that names it, and the
// ways from a dictionary's table to its rows and back. What the view shows and finds is the headless
// TableDataView's; these handlers switch the grid's source, place the controls and hand the texts on.
#include <algorithm>
#include <optional>

#include "base/BaseFolder.h"
#include "base/BaseFolderDifferences.h"
#include "dictionary/Error.h"
#include "layout/GridGeometry.h"
#include "layout/TableColumnWidths.h"
#include "platform/FileWriting.h"
#include "platform/FolderListing.h"
#include "viewer/SaveDialog.h"
#include "viewer/unMain.h"
#include "viewmodel/TableTooltip.h"

namespace dd {
namespace {

// "Файлы CSV (*.csv)|*.csv"
constexpr std::string_view kCsvFilter = "\xD4\xE0\xE9\xEB\xFB CSV (*.csv)|*.csv";
constexpr std::string_view kCsvExtension = "csv";

// What is written to a file a piece at a time, gathered into pieces of a size the disk likes.
class FileSink final : public TextSink {
public:
    explicit FileSink(FileWriter& file) : file_(file) {}
    void Write(std::string_view text) override {
        pending_.append(text);
        if (pending_.size() >= kPiece) Flush();
    }
    void Flush() {
        file_.Write(pending_);
        pending_.clear();
    }

private:
    static constexpr size_t kPiece = size_t{1} << 20;
    FileWriter& file_;
    std::string pending_;
};

// The file of a dictionary's table in the dictionary's folder: its identifier and .DBF in any letter case;
// empty when the folder holds none.
std::string TableFileBeside(const std::string& dictionaryPath, const DictionaryTables& dictionary, size_t entry) {
    const std::string folder(FolderPartOf(dictionaryPath));
    std::vector<std::string> files;
    try {
        files = FilesInFolder(folder);
    } catch (const Error&) {
        return {};
    }
    const TableFiles matched = MatchTableFiles(dictionary, files);
    if (entry >= matched.fileOfTable.size() || matched.fileOfTable[entry].empty()) return {};
    return PathInFolder(folder, matched.fileOfTable[entry]);
}

}  // namespace

void TfmMain::ShowTableData(std::unique_ptr<TableDataView> data) {
    std::swap(data_, data);
    SG.SetSource(data_->Grid());
    SG.SetColumnsSizable(true);
    ShowWindow(LB.Handle(), SW_HIDE);
    activeControl_ = ViewerControl::TableGrid;
    FitTableColumns();
    InvalidateRect(window_.get(), nullptr, TRUE);
}  // the table shown before goes here, once the grid no longer shows it

void TfmMain::ShowDictionary() {
    SG.SetSource(view_.Grid());
    SG.SetColumnsSizable(false);
    data_.reset();
    ShowWindow(LB.Handle(), SW_SHOW);
    activeControl_ = ViewerControl::List;
    FitGridColumns(SG);
    InvalidateRect(window_.get(), nullptr, TRUE);
}

void TfmMain::FitTableColumns() {
    const auto& columns = data_->Table().Columns();
    std::vector<int> lengths;
    for (const BaseColumn& column : columns) {
        // A date shows as DD.MM.YYYY, two characters more than it holds.
        lengths.push_back(column.column->type == 'D' ? 10 : static_cast<int>(column.column->length));
    }
    const ColumnWidths captions = SG.CaptionTextWidths();
    const std::vector<int> fieldCaptions(captions.begin() + std::min<ptrdiff_t>(1, std::ssize(captions)),
                                         captions.end());
    const ColumnWidths widths = TableColumnWidths(lengths, fieldCaptions, SG.AverageCharWidth(), SG.TextWidth("*"),
                                                  GetSystemMetrics(SM_CXSCREEN), dpi_);
    SG.SetColumnLayout(LayoutGivenColumns(widths, SG.ClientWidth(), dpi_));
}

// The field grid follows the grid's width by the width rule; a table's columns keep their widths, which the
// user may have dragged, and scroll where they do not fit.
void TfmMain::FitColumns() {
    if (data_)
        SG.SetColumnLayout(LayoutGivenColumns(SG.Widths(), SG.ClientWidth(), dpi_));
    else
        FitGridColumns(SG);
}

void TfmMain::PaintTitle(HDC dc) const {
    if (!data_) return;
    RECT rect{tablePlaced_.title.left, tablePlaced_.title.top, tablePlaced_.title.left + tablePlaced_.title.width,
              tablePlaced_.title.top + tablePlaced_.title.height};
    const int margin = GridTextMargin(dpi_);
    rect.left += margin;
    SelectedObject font(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, palette_.Colour(PaintRole::Text));
    const std::u16string title = data_->TitleText();
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(title.c_str()), static_cast<int>(title.size()), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

LRESULT TfmMain::OnGetTitleText(size_t room, wchar_t* buffer) const {
    if (!data_) return 0;
    const std::u16string title = data_->TitleText();
    if (buffer != nullptr && room > 0) {
        const size_t count = std::min(title.size(), room - 1);
        std::copy_n(title.begin(), count, buffer);
        buffer[count] = L'\0';
    }
    return static_cast<LRESULT>(title.size());
}

std::optional<BaseTableFile> TfmMain::SelectedTableFile() const {
    if (data_ || view_.IsSqlEdition() || dictionaryPath_.empty() || view_.List().SelectedIndex() < 0) return {};
    try {
        auto dictionary = application_.Dictionaries().Tables(dictionaryPath_);
        const auto entry = static_cast<size_t>(view_.List().SelectedIndex());
        if (entry >= dictionary->tables.size()) return {};
        std::string file = TableFileBeside(dictionaryPath_, *dictionary, entry);
        if (file.empty()) return {};
        const DictionaryTable* table = &dictionary->tables[entry];
        return BaseTableFile{std::move(file), dictionaryPath_, std::move(dictionary), table};
    } catch (const Error&) {
        return {};
    }
}

bool TfmMain::CanOpenSelectedTableData() const { return SelectedTableFile().has_value(); }

void TfmMain::OpenSelectedTableData() {
    const std::optional<BaseTableFile> file = SelectedTableFile();
    if (!file) return;
    ShowTableData(std::make_unique<TableDataView>(file->path, file->dictionary, *file->table));
    tableDictionaryPath_ = dictionaryPath_;
    LayoutViewerWindow();
}

void TfmMain::BackToDictionary() {
    if (!data_) return;
    const int32_t entry = data_->Described().entry;
    if (dictionaryPath_ != tableDictionaryPath_) {
        // Opened from the table itself: its dictionary is read now, the table still shown if that fails.
        DictionaryView dictionary;
        dictionary.Open(tableDictionaryPath_);
        view_ = std::move(dictionary);
        dictionaryPath_ = tableDictionaryPath_;
        LB.ShowEntries();
    }
    if (entry >= 0 && entry < view_.List().EntryCount()) view_.SelectTable(entry);
    ShowDictionary();
    SG.ModelChanged();
    PlaceControls(LayoutForListWidth());
    LB.ShowSelection();
    SetFocus(LB.Handle());
}

void TfmMain::N8Click() { OpenSelectedTableData(); }

void TfmMain::N7Click() {
    if (!data_) return;
    const SaveDialogArgs dialog{Handle(), kCsvFilter, kCsvExtension, SaveDialog1FileName};
    const auto chosen = ShowSaveDialog(dialog);
    if (!chosen) return;
    SaveDialog1FileName = *chosen;
    FileWriter file(*chosen);
    FileSink sink(file);
    data_->WriteCsv(sink);
    sink.Flush();
    file.Close();
}

}  // namespace dd
