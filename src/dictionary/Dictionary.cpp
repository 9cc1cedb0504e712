#include "dictionary/Dictionary.h"

#include "dictionary/Error.h"
#include "dictionary/PathExtension.h"
#include "dictionary/SplitRecordLine.h"
#include "dictionary/TableFieldView.h"

namespace dd {

bool PathIsSqlEdition(std::string_view path) { return HasExtension(path, ".DDS"); }

namespace {

// What happens before the file is opened, so it holds even when opening fails.
void BeginLoad(Dictionary& dictionary, std::string_view path, GridModel& grid) {
    dictionary.lines.ClearLines();
    WriteGridCaptions(grid);
    dictionary.isSqlEdition = PathIsSqlEdition(path);
}

void FinishLoad(Dictionary& dictionary, std::shared_ptr<const DictionaryLines> lines, TableListModel& list,
                GridModel& grid) {
    dictionary.lines.AdoptLines(lines);
    // Each table is listed under field 1 of its table line, two lines below its marker.
    std::string scratch;
    const auto& markers = lines->BlockMarkers();
    list.ReserveEntries(static_cast<int32_t>(markers.size()));
    for (size_t block = 0; block < markers.size(); ++block) {
        list.AppendEntry(TrimmedRecordField(lines->TableLineOfBlock(block), 1, scratch), markers[block] + 2);
    }
    list.SelectEntry(0);
    ShowSelectedTable(dictionary, list, grid);
}

}  // namespace

void LoadDictionaryBytes(Dictionary& dictionary, std::string_view path, FileBytes bytes, TableListModel& list,
                         GridModel& grid) {
    BeginLoad(dictionary, path, grid);
    WithMemoryReported([&] { FinishLoad(dictionary, DictionaryLines::Read(std::move(bytes)), list, grid); });
}

void LoadDictionary(Dictionary& dictionary, std::string_view path, const FileReader& read, TableListModel& list,
                    GridModel& grid) {
    BeginLoad(dictionary, path, grid);
    WithMemoryReported([&] { FinishLoad(dictionary, DictionaryLines::Read(read), list, grid); });
}

}  // namespace dd
