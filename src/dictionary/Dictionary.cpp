#include "dictionary/Dictionary.h"

#include "dictionary/DictionaryTexts.h"
#include "dictionary/Error.h"
#include "dictionary/SplitRecordLine.h"
#include "dictionary/TableFieldView.h"

namespace dd {

bool PathIsSqlDictionary(std::string_view path) { return path.find(".DDS") != std::string_view::npos; }

namespace {

// What happens before the file is opened, so it holds even when opening fails.
void BeginLoad(Dictionary& dictionary, std::string_view path, GridModel& SG) {
    dictionary.MAll.ClearLines();
    for (int column = 0; column < kGridColumns; ++column) SG.SetCell(column, 0, texts::kGridCaptions[column]);
    dictionary.IsSqlDictionary = PathIsSqlDictionary(path);
}

void FinishLoad(Dictionary& dictionary, std::shared_ptr<const DictionaryLines> lines, TableListModel& LB,
                GridModel& SG) {
    dictionary.MAll.AdoptLines(lines);
    // Each table is listed under field 1 of its table line, two lines below its marker.
    std::string scratch;
    const auto& markers = lines->BlockMarkers();
    LB.ReserveEntries(static_cast<int32_t>(markers.size()));
    for (size_t block = 0; block < markers.size(); ++block) {
        LB.AppendEntry(TrimmedRecordField(lines->TableLineOfBlock(block), 1, scratch), markers[block] + 2);
    }
    LB.SelectEntry(0);
    LBClick(dictionary, LB, SG);
}

}  // namespace

void LoadDictionaryBytes(Dictionary& dictionary, std::string_view path, FileBytes bytes, TableListModel& LB,
                         GridModel& SG) {
    BeginLoad(dictionary, path, SG);
    WithMemoryReported([&] { FinishLoad(dictionary, DictionaryLines::Read(std::move(bytes)), LB, SG); });
}

void LoadDictionary(Dictionary& dictionary, std::string_view path, const FileReader& read, TableListModel& LB,
                    GridModel& SG) {
    BeginLoad(dictionary, path, SG);
    WithMemoryReported([&] { FinishLoad(dictionary, DictionaryLines::Read(read), LB, SG); });
}

}  // namespace dd
