#include "Dictionary.h"

#include "DictionaryTexts.h"
#include "Error.h"
#include "SplitRecordLine.h"
#include "TableFieldView.h"

namespace dd {

bool PathIsSqlDictionary(std::string_view path) { return path.find(".DDS") != std::string_view::npos; }

namespace {

// What happens before the file is opened, so it holds even when opening fails.
void BeginLoad(Dictionary& dictionary, std::string_view path, FieldGrid& SG) {
    dictionary.MAll.ClearLines();
    for (int column = 0; column < kGridColumns; ++column) SG.SetCell(column, 0, texts::kGridCaptions[column]);
    dictionary.IsSqlDictionary = PathIsSqlDictionary(path);
}

void FinishLoad(Dictionary& dictionary, std::shared_ptr<const DictionaryLines> lines, TableList& LB, FieldGrid& SG) {
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

void LoadDictionaryBytes(Dictionary& dictionary, std::string_view path, FileBytes bytes, TableList& LB, FieldGrid& SG) {
    BeginLoad(dictionary, path, SG);
    WithMemoryReported([&] { FinishLoad(dictionary, DictionaryLines::Read(std::move(bytes)), LB, SG); });
}

void LoadDictionary(Dictionary& dictionary, const std::string& path, TableList& LB, FieldGrid& SG) {
    BeginLoad(dictionary, path, SG);
    WithMemoryReported([&] { FinishLoad(dictionary, DictionaryLines::ReadFile(path), LB, SG); });
}

}  // namespace dd
