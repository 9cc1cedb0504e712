#include "cli/JsonText.h"

#include "dictionary/Cp1251.h"

namespace dd::cli {
namespace {

constexpr const char* kFieldKeys[kGridColumns] = {"name", "description", "type", "length", "precision"};

}  // namespace

Json JsonText(std::string_view text) { return Utf8FromCp1251(text, false); }

Json JsonEdition(bool isSql) { return isSql ? "SQL" : "DBF"; }

Json JsonListEntry(int32_t entry, std::string_view description, std::string_view identifier) {
    Json json = Json::object();
    json["number"] = entry;
    json["description"] = JsonText(description);
    json["identifier"] = JsonText(identifier);
    return json;
}

Json JsonIndex(const TableIndex& index, bool isSql) {
    Json json = Json::object();
    json["name"] = JsonText(index.name);
    json["description"] = JsonText(index.description);
    json["unique"] = index.unique;
    Json indexed = Json::array();
    for (const std::string& field : index.fields) indexed.push_back(JsonText(field));
    json["fields"] = std::move(indexed);
    json[isSql ? "type" : "dbName"] = JsonText(index.lastColumn);
    return json;
}

Json JsonTable(const StreamedTable& table, bool isSql) {
    const GridModel& grid = table.grid;
    Json json = JsonListEntry(table.entry, table.description, grid.Cell(0, 1));
    Json fields = Json::array();
    for (int32_t row = 2; row < grid.RowCount(); ++row) {
        Json field = Json::object();
        for (int column = 0; column < kGridColumns; ++column)
            field[kFieldKeys[column]] = JsonText(grid.Cell(column, row));
        fields.push_back(std::move(field));
    }
    json["fields"] = std::move(fields);
    Json indexes = Json::array();
    for (const TableIndex& index : table.indexes) indexes.push_back(JsonIndex(index, isSql));
    json["indexes"] = std::move(indexes);
    return json;
}

Json JsonFoundRow(int32_t entry, std::string_view description, const GridModel& grid, int32_t row) {
    Json json = Json::object();
    json["number"] = entry;
    json["description"] = JsonText(description);
    json["row"] = row;
    Json cells = Json::array();
    for (int column = 0; column < kGridColumns; ++column) cells.push_back(JsonText(grid.Cell(column, row)));
    json["cells"] = std::move(cells);
    return json;
}

}  // namespace dd::cli
