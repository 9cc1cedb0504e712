#include "cli/BaseCommands.h"

#include "base/BaseFolder.h"
#include "base/BaseTable.h"
#include "base/DictionaryTables.h"
#include "dbf/DbfRowStream.h"
#include "dictionary/Cp1251.h"
#include "dictionary/Error.h"

namespace dd::cli {
namespace {

std::string TruncationNote(const DbfTable& table, uint64_t rowsRead) {
    return "the file holds " + std::to_string(rowsRead) + " whole records where its header counts " +
           std::to_string(table.Header().recordCount) + ": read to its last whole record";
}

}  // namespace

std::optional<std::string> DictionaryPathFor(const std::string& tablePath, const std::string& named,
                                             const NoteSink& note) {
    if (!named.empty()) return named;
    std::optional<std::string> beside = DictionaryInFolder(std::string(FolderPartOf(tablePath)));
    if (!beside) note(tablePath, "no dictionary (1Cv7.DD) beside it: the columns keep their own names");
    return beside;
}

void PrintTableData(const std::string& path, const DictionaryTables* dictionary, const DataOptions& options,
                    TextOutput& out, const NoteSink& note) {
    const DictionaryTable* described = nullptr;
    const std::string identifier(TableNameOfFile(path));
    if (dictionary) described = dictionary->Find(identifier);
    const BaseTable table(path, described);  // a file that is no table fails here, before any note
    if (dictionary && described == nullptr)
        note(path, "the dictionary does not list " + identifier + ": the columns keep their own names");
    for (const DictionaryField* field : table.FieldsWithoutColumn())
        note(path,
             "the dictionary's field " + Utf8FromCp1251(field->name, true) + " has no column in the file: left out");
    std::vector<std::string> names;
    for (const BaseColumn& column : table.Columns())
        names.push_back(options.columnNames ? column.column->name : column.readableName);
    DataWriter writer(options.format, std::move(names), options.withDeleted, out);
    writer.Header();
    DbfRowStream rows(table.Table());
    while (const auto row = rows.Next()) {
        if (row->Deleted() && !options.withDeleted) continue;
        writer.Row(*row, table.Columns());
    }
    out.Flush();
    if (rows.Truncated()) note(path, TruncationNote(table.Table(), rows.RowsRead()));
}

}  // namespace dd::cli
