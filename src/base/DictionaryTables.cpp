#include "base/DictionaryTables.h"

#include "base/ReadableNames.h"
#include "dictionary/Dictionary.h"
#include "dictionary/MarkerCheckedSource.h"
#include "dictionary/StreamedTables.h"
#include "dictionary/TrimBlanks.h"
#include "platform/FileReading.h"

namespace dd {
namespace {

constexpr int kFirstFieldRow = 2;

DictionaryTable TableOf(StreamedTable& streamed) {
    DictionaryTable table;
    table.entry = streamed.entry;
    table.identifier = std::string(TrimBlanks(streamed.grid.Cell(0, 1)));
    table.description = std::move(streamed.description);
    table.wholeName = std::move(streamed.name);
    const GridModel& grid = streamed.grid;
    for (int32_t row = kFirstFieldRow; row < grid.RowCount(); ++row) {
        table.fields.push_back({std::string(grid.Cell(0, row)), std::string(grid.Cell(1, row)),
                                std::string(grid.Cell(2, row)), std::string(grid.Cell(3, row)),
                                std::string(grid.Cell(4, row))});
    }
    table.indexes = std::move(streamed.indexes);
    return table;
}

}  // namespace

const DictionaryTable* DictionaryTables::Find(std::string_view identifier) const noexcept {
    for (const DictionaryTable& table : tables) {
        if (EqualIgnoringCase(table.identifier, identifier)) return &table;
    }
    return nullptr;
}

DictionaryTables ReadDictionaryTables(ByteSource& bytes, bool isSqlEdition) {
    DictionaryTables read;
    read.isSqlEdition = isSqlEdition;
    StreamedTables sink(
        isSqlEdition, true, [](int32_t) { return true; },
        [&read](StreamedTable& table) {
            read.tables.push_back(TableOf(table));
            return true;
        });
    ReadCheckedDictionaryStream(bytes, sink);
    return read;
}

DictionaryTables ReadDictionaryTablesAt(const std::string& path) {
    const auto bytes = OpenFileStream(path);
    return ReadDictionaryTables(*bytes, PathIsSqlEdition(path));
}

}  // namespace dd
