#pragma once

#include <cstdint>
#include <string_view>

#include "dictionary/GridModel.h"
#include "dictionary/StreamedTables.h"
#include "dictionary/TableIndexes.h"
#include <nlohmann/json.hpp>

namespace dd::cli {

// JSON keeps its keys in the order they are written.
using Json = nlohmann::ordered_json;

// A text of the dictionary (Windows-1251) as a JSON string: every byte decoded, control characters
// included (JSON escapes them).
Json JsonText(std::string_view text);

// "DBF" or "SQL".
Json JsonEdition(bool isSql);

// A table as the list gives it: {"number", "description", "identifier"}.
Json JsonListEntry(int32_t entry, std::string_view description, std::string_view identifier);

// An index as dump gives it: {"name", "description", "unique", "fields", "dbName" (DBF edition) or "type" (SQL)}.
Json JsonIndex(const TableIndex& index, bool isSql);

// A table whole: {"number", "description", "identifier", "fields": [{"name", "description", "type",
// "length", "precision"}...], "indexes": [{"name", "description", "unique", "fields", "dbName" or "type"}...]}.
// The identifier and the fields are the cells of rows 1 and 2.. of the table's grid.
Json JsonTable(const StreamedTable& table, bool isSql);

// A row that find found: {"number", "description", "row", "cells": [five cells]}.
Json JsonFoundRow(int32_t entry, std::string_view description, const GridModel& grid, int32_t row);

}  // namespace dd::cli
