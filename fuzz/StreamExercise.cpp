#include "fuzz/StreamExercise.h"

#include "cli/Commands.h"
#include "dictionary/Cp1251.h"
#include "dictionary/DictionaryTexts.h"
#include "dictionary/Error.h"
#include "dictionary/FoldingTable.h"
#include "dictionary/TableMarker.h"
#include "fuzz/DictionaryExercise.h"
#include "outputs/ExportText.h"
#include <nlohmann/json.hpp>

namespace dd::fuzz {
namespace {

using Json = nlohmann::ordered_json;

void Check(bool holds, std::string_view what) {
    if (!holds) throw ExerciseFailure(std::string(what));
}

// The ways the bytes reach the reader: whole into a big buffer, and in small pieces into a buffer
// smaller than many lines, so that lines cross every refill and the buffer has to grow.
struct Feeding {
    size_t piece;
    size_t bufferSize;
};

std::vector<Feeding> Feedings(std::string_view bytes) {
    return {{SIZE_MAX, kStreamBufferSize}, {1 + bytes.size() % 61, 1 + bytes.size() % 97}};
}

// What a command printed, or the message it failed with.
struct Outcome {
    std::string printed;
    std::string error;
};

template <typename Command>
Outcome Run(std::string_view bytes, std::string_view path, const Feeding& feeding, Command command) {
    Outcome outcome;
    MemorySource source(bytes, feeding.piece);
    const cli::DictionarySource dictionary{std::string(path), source, feeding.bufferSize};
    try {
        cli::TextOutput out(outcome.printed, true);
        command(dictionary, out);
    } catch (const Error& error) {
        outcome.error = error.Message();
    }
    return outcome;
}

// What a command fails with when the dictionary has no tables: ddview tells a file without a table
// marker in its first 64 KB from one whose markers were never reached.
std::string NoTablesError(std::string_view bytes) {
    return NotADictionaryMessage(HoldsTableMarker(bytes.substr(0, kTableMarkerProbeBytes)));
}

std::string Joined(const ReferenceRow& row) {
    std::string line;
    for (size_t column = 0; column < row.size(); ++column) line += (column > 0 ? "\t" : "") + row[column];
    return line + "\n";
}

Json Text(std::string_view text) { return Utf8FromCp1251(text, false); }

std::string Edition(bool isSql) { return isSql ? "SQL" : "DBF"; }

// The plain reading's grid and indexes of every table, worked out once for all the commands.
struct Expected {
    Expected(const ReferenceDictionary& reference, bool isSql) : reference(reference), isSql(isSql) {
        for (size_t entry = 0; entry < reference.entries.size(); ++entry) {
            views.push_back(ReferenceTableView(reference, static_cast<int32_t>(entry), isSql));
            indexes.push_back(ReferenceTableIndexes(reference, static_cast<int32_t>(entry)));
        }
    }
    const ReferenceDictionary& reference;
    bool isSql;
    std::vector<std::vector<ReferenceRow>> views;
    std::vector<std::vector<ReferenceIndex>> indexes;
};

Json ReferenceTableJson(const Expected& expected, int32_t entry, bool whole) {
    const ReferenceDictionary& reference = expected.reference;
    const bool isSql = expected.isSql;
    const std::vector<ReferenceRow>& rows = expected.views[static_cast<size_t>(entry)];
    Json table = Json::object();
    table["number"] = entry;
    table["description"] = Text(reference.entries[static_cast<size_t>(entry)]);
    table["identifier"] = Text(rows[1][0]);
    if (!whole) return table;
    table["fields"] = Json::array();
    static const char* const kKeys[] = {"name", "description", "type", "length", "precision"};
    for (size_t row = 2; row < rows.size(); ++row) {
        Json field = Json::object();
        for (size_t column = 0; column < 5; ++column) field[kKeys[column]] = Text(rows[row][column]);
        table["fields"].push_back(field);
    }
    table["indexes"] = Json::array();
    for (const ReferenceIndex& index : expected.indexes[static_cast<size_t>(entry)]) {
        Json item = Json::object();
        item["name"] = Text(index.name);
        item["description"] = Text(index.description);
        item["unique"] = index.unique;
        item["fields"] = Json::array();
        for (const std::string& field : index.fields) item["fields"].push_back(Text(field));
        item[isSql ? "type" : "dbName"] = Text(index.lastColumn);
        table["indexes"].push_back(item);
    }
    return table;
}

Json Parsed(const std::string& printed, const std::string& label) {
    try {
        return Json::parse(printed);
    } catch (const Json::exception& error) {
        throw ExerciseFailure(label + "prints no JSON: " + error.what());
    }
}

void CheckFails(const Outcome& outcome, const std::string& error, const std::string& label) {
    Check(outcome.error == error, label + "fails with '" + outcome.error + "', not '" + error + "'");
}

void CheckList(std::string_view bytes, std::string_view path, const Expected& expected, const Feeding& feeding,
               const std::string& label) {
    const ReferenceDictionary& reference = expected.reference;
    const bool isSql = expected.isSql;
    const int32_t count = static_cast<int32_t>(reference.entries.size());
    const Outcome text = Run(bytes, path, feeding,
                             [](const auto& source, auto& out) { cli::ListTables(source, cli::Format::kText, out); });
    const Outcome json = Run(bytes, path, feeding,
                             [](const auto& source, auto& out) { cli::ListTables(source, cli::Format::kJson, out); });
    if (count == 0) {
        CheckFails(text, NoTablesError(bytes), label + "list ");
        CheckFails(json, NoTablesError(bytes), label + "list --json ");
        Check(text.printed.empty() && json.printed.empty(), label + "a failed list printed something");
        return;
    }
    std::string lines;
    Json tables = Json::array();
    for (int32_t entry = 0; entry < count; ++entry) {
        lines += std::to_string(entry) + "\t" + reference.entries[static_cast<size_t>(entry)] + "\n";
        tables.push_back(ReferenceTableJson(expected, entry, false));
    }
    CheckFails(text, "", label + "list ");
    Check(text.printed == lines, label + "list prints other tables than the plain reading has");
    CheckFails(json, "", label + "list --json ");
    Check(Parsed(json.printed, label + "list --json ") == Json{{"edition", Edition(isSql)}, {"tables", tables}},
          label + "list --json differs from the plain reading");
}

void CheckShowAndExport(std::string_view bytes, std::string_view path, const Expected& expected, const Feeding& feeding,
                        const std::vector<int32_t>& shown, const std::string& label) {
    const ReferenceDictionary& reference = expected.reference;
    const bool isSql = expected.isSql;
    const int32_t count = static_cast<int32_t>(reference.entries.size());
    for (const int32_t entry : shown) {
        const std::string where = label + "show " + std::to_string(entry) + " ";
        const Outcome text = Run(bytes, path, feeding, [entry](const auto& source, auto& out) {
            cli::ShowTable(source, entry, cli::Format::kText, out);
        });
        CheckFails(text, "", where);
        const std::vector<ReferenceRow>& rows = expected.views[static_cast<size_t>(entry)];
        std::string grid;
        for (const ReferenceRow& row : rows) grid += Joined(row);
        Check(text.printed == grid, where + "prints another grid than the plain reading has");

        const Outcome json = Run(bytes, path, feeding, [entry](const auto& source, auto& out) {
            cli::ShowTable(source, entry, cli::Format::kJson, out);
        });
        CheckFails(json, "", where + "--json ");
        Check(Parsed(json.printed, where + "--json ") == ReferenceTableJson(expected, entry, true),
              where + "--json differs from the plain reading");

        GridModel model;
        model.SetRowCount(static_cast<int32_t>(rows.size()));
        for (size_t row = 0; row < rows.size(); ++row) {
            for (int column = 0; column < kGridColumns; ++column) {
                model.SetCell(column, static_cast<int32_t>(row), rows[row][static_cast<size_t>(column)]);
            }
        }
        MemorySource source(bytes, feeding.piece);
        const std::string exported =
            cli::ExportTable(cli::DictionarySource{std::string(path), source, feeding.bufferSize}, entry);
        Check(exported == ExportFileBytes(isSql, reference.entries[static_cast<size_t>(entry)], model),
              where + "exports other bytes than the plain reading gives");
    }
    // A number that is no table: the message that names how many there are, or that there are none.
    const Outcome missing = Run(bytes, path, feeding, [count](const auto& source, auto& out) {
        cli::ShowTable(source, count, cli::Format::kText, out);
    });
    CheckFails(missing, count == 0 ? NoTablesError(bytes) : cli::NoSuchTableMessage(count, count),
               label + "show of no entry ");
    Check(missing.printed.empty(), label + "show of no entry printed something");
}

void CheckFind(std::string_view bytes, std::string_view path, const Expected& expected, const Feeding& feeding,
               const std::string& text, const std::string& label) {
    const ReferenceDictionary& reference = expected.reference;
    const int32_t count = static_cast<int32_t>(reference.entries.size());
    const std::string where = label + "find '" + text + "' ";
    const Outcome found = Run(bytes, path, feeding, [&text](const auto& source, auto& out) {
        cli::FindText(source, text, cli::Format::kText, out);
    });
    const Outcome json = Run(bytes, path, feeding, [&text](const auto& source, auto& out) {
        cli::FindText(source, text, cli::Format::kJson, out);
    });
    if (count == 0) {
        CheckFails(found, NoTablesError(bytes), where);
        CheckFails(json, NoTablesError(bytes), where + "--json ");
        return;
    }
    const FoldedPattern pattern(text, ProcessFoldingTable());
    std::string lines;
    Json hits = Json::array();
    for (int32_t entry = 0; entry < count && !pattern.Empty(); ++entry) {
        const std::vector<ReferenceRow>& rows = expected.views[static_cast<size_t>(entry)];
        for (size_t row = 1; row < rows.size(); ++row) {
            bool hit = false;
            for (size_t column = 0; column < (row == 1 ? 1 : 5); ++column) hit |= pattern.FoundIn(rows[row][column]);
            if (!hit) continue;
            const std::string& description = reference.entries[static_cast<size_t>(entry)];
            lines += std::to_string(entry) + "\t" + description + "\t" + std::to_string(row) + "\t" + Joined(rows[row]);
            Json cells = Json::array();
            for (const std::string& cell : rows[row]) cells.push_back(Text(cell));
            hits.push_back(Json{{"number", entry}, {"description", Text(description)}, {"row", row}, {"cells", cells}});
        }
    }
    CheckFails(found, "", where);
    Check(found.printed == lines, where + "finds other rows than the plain reading has");
    CheckFails(json, "", where + "--json ");
    Check(Parsed(json.printed, where + "--json ") == hits, where + "--json differs from the plain reading");
}

Json DumpOf(const Expected& expected) {
    Json tables = Json::array();
    for (size_t entry = 0; entry < expected.views.size(); ++entry) {
        tables.push_back(ReferenceTableJson(expected, static_cast<int32_t>(entry), true));
    }
    return Json{{"edition", Edition(expected.isSql)}, {"tables", tables}};
}

void CheckDump(std::string_view bytes, std::string_view path, const Expected& expected, const Feeding& feeding,
               const std::string& label) {
    const int32_t count = static_cast<int32_t>(expected.views.size());
    const Outcome dump =
        Run(bytes, path, feeding, [](const auto& source, auto& out) { cli::DumpDictionary(source, out); });
    if (count == 0) {
        CheckFails(dump, NoTablesError(bytes), label + "dump ");
        Check(dump.printed.empty(), label + "a failed dump printed something");
        return;
    }
    CheckFails(dump, "", label + "dump ");
    Check(Parsed(dump.printed, label + "dump ") == DumpOf(expected), label + "dump differs from the plain reading");
}

}  // namespace

Json ReferenceDump(const ReferenceDictionary& reference, bool isSql) { return DumpOf(Expected(reference, isSql)); }

void CheckStreamCommands(std::string_view bytes, std::string_view path, const ReferenceDictionary& reference,
                         const std::vector<int32_t>& shown) {
    // A file without a table marker in its first 64 KB is refused before its tables are read.
    const ReferenceDictionary none;
    const bool refused = !HoldsTableMarker(bytes.substr(0, kTableMarkerProbeBytes));
    const Expected expected(refused ? none : reference, IsSqlPath(path));
    for (const Feeding& feeding : Feedings(bytes)) {
        const std::string label =
            std::string(path) + " read in pieces of " +
            (feeding.piece == SIZE_MAX ? std::string("any size") : std::to_string(feeding.piece)) + " through " +
            std::to_string(feeding.bufferSize) + " bytes: ";
        CheckList(bytes, path, expected, feeding, label);
        CheckDump(bytes, path, expected, feeding, label);
        // List and dump read every line that any command reads; the others once, from whole bytes.
        if (feeding.piece != SIZE_MAX) continue;
        CheckShowAndExport(bytes, path, expected, feeding, shown, label);
        // A text that the fields of most dictionaries hold, and one taken from the bytes themselves.
        CheckFind(bytes, path, expected, feeding, "C", label);
        CheckFind(bytes, path, expected, feeding, std::string(bytes.substr(bytes.size() / 2, 2)), label);
    }
}

}  // namespace dd::fuzz
