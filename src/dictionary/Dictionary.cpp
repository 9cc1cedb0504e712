#include "Dictionary.h"

#include "DictionaryTexts.h"
#include "SplitRecordLine.h"
#include "TableFieldView.h"
#include "TrimBlanks.h"

namespace dd {

bool PathIsSqlDictionary(std::string_view path) {
    return path.find(".DDS") != std::string_view::npos;
}

namespace {

// What happens before the file is opened, so it holds even when opening fails.
void BeginLoad(Dictionary& dictionary, std::string_view path, FieldGrid& SG) {
    dictionary.MAll.ClearLines();
    for (int column = 0; column < kGridColumns; ++column) SG.SetCell(column, 0, texts::kGridCaptions[column]);
    dictionary.IsSqlDictionary = PathIsSqlDictionary(path);
}

void FinishLoad(Dictionary& dictionary, FileBytes bytes, TableList& LB, FieldGrid& SG) {
    const auto lines = DictionaryLines::Read(std::move(bytes));
    dictionary.MAll.AdoptLines(lines);
    // Each table is listed under field 1 of its table line, two lines below its marker.
    std::string scratch;
    for (int32_t marker : lines->BlockMarkers()) {
        const int32_t tableLine = marker + 2;
        LB.AppendEntry(TrimBlanks(RecordField(dictionary.MAll.LineAt(tableLine), 1, scratch)), tableLine);
    }
    LB.SelectEntry(0);
    LBClick(dictionary, LB, SG);
}

}  // namespace

void LoadDictionaryBytes(Dictionary& dictionary, std::string_view path, FileBytes bytes, TableList& LB,
                         FieldGrid& SG) {
    BeginLoad(dictionary, path, SG);
    FinishLoad(dictionary, std::move(bytes), LB, SG);
}

void LoadDictionary(Dictionary& dictionary, const std::string& path, TableList& LB, FieldGrid& SG) {
    BeginLoad(dictionary, path, SG);
    FinishLoad(dictionary, ReadWholeFile(path), LB, SG);
}

}  // namespace dd
