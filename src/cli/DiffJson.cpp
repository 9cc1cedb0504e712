#include "cli/DiffJson.h"

#include "cli/JsonText.h"

namespace dd::cli {
namespace {

// Paths come from the command line, which may hold bytes that are not UTF-8.
std::string Dumped(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

Json JsonField(const DictionaryField& field) {
    Json json = Json::object();
    json["name"] = JsonText(field.name);
    json["description"] = JsonText(field.description);
    json["type"] = JsonText(field.type);
    json["length"] = JsonText(field.length);
    json["precision"] = JsonText(field.precision);
    return json;
}

Json OldAndNew(Json before, Json after) {
    Json json = Json::object();
    json["old"] = std::move(before);
    json["new"] = std::move(after);
    return json;
}

Json NamedChange(std::string_view name, Json before, Json after) {
    Json json = Json::object();
    json["name"] = JsonText(name);
    json["old"] = std::move(before);
    json["new"] = std::move(after);
    return json;
}

Json JsonFields(const TableDifference& table) {
    Json added = Json::array(), removed = Json::array(), changed = Json::array();
    for (const DictionaryField& field : table.addedFields) added.push_back(JsonField(field));
    for (const DictionaryField& field : table.removedFields) removed.push_back(JsonField(field));
    for (const FieldChange& change : table.changedFields) {
        changed.push_back(NamedChange(change.after.name, JsonField(change.before), JsonField(change.after)));
    }
    Json json = Json::object();
    json["added"] = std::move(added);
    json["removed"] = std::move(removed);
    json["changed"] = std::move(changed);
    json["reordered"] = table.FieldsReordered();
    return json;
}

Json JsonIndexes(const TableDifference& table, bool beforeIsSql, bool afterIsSql) {
    Json added = Json::array(), removed = Json::array(), changed = Json::array();
    for (const TableIndex& index : table.addedIndexes) added.push_back(JsonIndex(index, afterIsSql));
    for (const TableIndex& index : table.removedIndexes) removed.push_back(JsonIndex(index, beforeIsSql));
    for (const IndexChange& change : table.changedIndexes) {
        changed.push_back(
            NamedChange(change.after.name, JsonIndex(change.before, beforeIsSql), JsonIndex(change.after, afterIsSql)));
    }
    Json json = Json::object();
    json["added"] = std::move(added);
    json["removed"] = std::move(removed);
    json["changed"] = std::move(changed);
    return json;
}

Json JsonTableEntry(const TableDifference& table) {
    Json json = Json::object();
    json["identifier"] = JsonText(table.identifier);
    json["description"] = JsonText(table.description);
    return json;
}

Json JsonChangedTable(const TableDifference& table, const DictionaryDifferences& differences) {
    Json json = Json::object();
    json["identifier"] = JsonText(table.identifier);
    if (table.descriptionChanged) {
        json["description"] = OldAndNew(JsonText(table.descriptionBefore), JsonText(table.description));
    }
    json["fields"] = JsonFields(table);
    json["indexes"] = JsonIndexes(table, differences.beforeIsSql, differences.afterIsSql);
    return json;
}

// "KEY":[ and the items one per line, then ]: a diff of two outputs shows the tables that differ.
void WriteArray(const char* key, TableFact fact, const DictionaryDifferences& differences, TextOutput& out) {
    out.Write(std::string(",\n\"") + key + "\":[");
    bool first = true;
    for (const TableDifference& table : differences.tables) {
        if (table.fact != fact) continue;
        out.Write(first ? "\n" : ",\n");
        first = false;
        out.Write(Dumped(fact == TableFact::kChanged ? JsonChangedTable(table, differences) : JsonTableEntry(table)));
    }
    out.Write("]");
}

}  // namespace

void WriteDifferencesJson(const DictionaryDifferences& differences, const std::string& oldPath,
                          const std::string& newPath, TextOutput& out) {
    std::string head = "{\"old\":" + Dumped(Json(oldPath)) + ",\"new\":" + Dumped(Json(newPath));
    if (differences.EditionsDiffer()) {
        head += ",\"edition\":" +
                Dumped(OldAndNew(JsonEdition(differences.beforeIsSql), JsonEdition(differences.afterIsSql)));
    }
    out.Write(head);
    WriteArray("added", TableFact::kAdded, differences, out);
    WriteArray("removed", TableFact::kRemoved, differences, out);
    WriteArray("changed", TableFact::kChanged, differences, out);
    out.Write("}\n");
    out.Flush();
}

}  // namespace dd::cli
