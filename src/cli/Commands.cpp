#include "cli/Commands.h"

#include <functional>
#include <optional>
#include <vector>

#include "cli/JsonText.h"
#include "dictionary/Dictionary.h"
#include "dictionary/Error.h"
#include "dictionary/FoldingTable.h"
#include "dictionary/MarkerCheckedSource.h"
#include "dictionary/SplitRecordLine.h"
#include "dictionary/StreamedTables.h"
#include "dictionary/TableFieldView.h"
#include "outputs/ExportText.h"
#include "platform/FileReading.h"

namespace dd::cli {
namespace {

bool IsSql(const DictionarySource& source) { return PathIsSqlEdition(source.path); }

// Reads the dictionary through `sink`; fails when the file is no dictionary or holds no table.
int32_t ReadDictionary(const DictionarySource& source, TableStreamSink& sink) {
    return ReadCheckedDictionaryStream(source.bytes, sink, source.bufferSize);
}

// Reads the tables that `wanted` names in full and hands them over in file order; returns how many
// tables the dictionary has (those read, when `done` stopped the reading).
int32_t ReadTables(const DictionarySource& source, bool withIndexes, const StreamedTables::Wanted& wanted,
                   const StreamedTables::Done& done) {
    StreamedTables sink(IsSql(source), withIndexes, wanted, done);
    return ReadDictionary(source, sink);
}

// Table `entry` read in full; fails, naming how many tables there are, when there is no such table.
StreamedTable ReadOneTable(const DictionarySource& source, int32_t entry, bool withIndexes) {
    std::optional<StreamedTable> found;
    const int32_t tables = ReadTables(
        source, withIndexes, [entry](int32_t candidate) { return candidate == entry; },
        [&found](StreamedTable& table) {
            found = std::move(table);
            return false;
        });
    if (!found) throw Error(NoSuchTableMessage(entry, tables));
    return std::move(*found);
}

void WriteCells(const GridModel& grid, int32_t row, TextOutput& out) {
    for (int column = 0; column < kGridColumns; ++column) out.Field(grid.Cell(column, row));
}

// Row 1 holds the identifier in column 0 beside a fixed wording; field rows are searched whole.
bool RowMatches(const GridModel& grid, int32_t row, const FoldedPattern& pattern) {
    const int columns = row == 1 ? 1 : kGridColumns;
    for (int column = 0; column < columns; ++column) {
        if (pattern.FoundIn(grid.Cell(column, row))) return true;
    }
    return false;
}

// The list, printed as its tables are read: each table's description (and identifier) goes straight
// to the output, so nothing of the file is held. A file without tables prints nothing.
class TableList : public TableStreamSink {
public:
    using Entry = std::function<void(int32_t entry, std::string_view description, std::string_view identifier)>;
    TableList(bool isSql, bool withIdentifiers, Entry entry)
        : isSql_(isSql), withIdentifiers_(withIdentifiers), entry_(std::move(entry)) {}

    bool WantsTable(int32_t) override { return true; }
    bool TakeLine(int32_t entry, int64_t, std::string_view line) override {
        Fill(entry);
        const std::string_view description = TrimmedRecordField(line, 1, scratch_);
        entry_(count_++, description, withIdentifiers_ ? TableIdentifier(line, isSql_, identifier_) : "");
        return false;
    }
    // Tables whose table line lies past the end of the input are listed under an empty text.
    void EndOfInput(int32_t tables) override { Fill(tables); }

private:
    void Fill(int32_t entries) {
        while (count_ < entries) entry_(count_++, {}, {});
    }

    bool isSql_;
    bool withIdentifiers_;
    Entry entry_;
    int32_t count_ = 0;
    std::string scratch_, identifier_;
};

// What a JSON array written as it grows looks like: "[", the items one per line, "]".
class JsonArrayWriter {
public:
    JsonArrayWriter(TextOutput& out, std::string opening) : out_(out), opening_(std::move(opening)) {}
    void Item(const Json& item) {
        out_.Write(items_++ == 0 ? opening_ + "[\n" : std::string(",\n"));
        out_.Write(item.dump());
    }
    void Close(std::string_view closing) {
        out_.Write(items_ == 0 ? opening_ + "[" : std::string("\n"));
        out_.Write("]");
        out_.Write(closing);
        out_.Write("\n");
    }

private:
    TextOutput& out_;
    std::string opening_;
    int64_t items_ = 0;
};

std::string JsonObjectOpening(bool isSql) { return "{\"edition\":" + JsonEdition(isSql).dump() + ",\"tables\":"; }

}  // namespace

std::string NoSuchTableMessage(int32_t entry, int32_t tables) {
    return "no table " + std::to_string(entry) + ": the dictionary has " + std::to_string(tables) +
           (tables == 1 ? " table, numbered 0" : " tables, numbered 0 to " + std::to_string(tables - 1));
}

void ListTables(const DictionarySource& source, Format format, TextOutput& out) {
    JsonArrayWriter tables(out, JsonObjectOpening(IsSql(source)));
    const bool json = format == Format::kJson;
    TableList list(IsSql(source), json, [&](int32_t entry, std::string_view description, std::string_view identifier) {
        if (json) {
            tables.Item(JsonListEntry(entry, description, identifier));
            return;
        }
        out.BeginLine();
        out.Number(entry);
        out.Field(description);
        out.EndLine();
    });
    ReadDictionary(source, list);
    if (json) tables.Close("}");
    out.Flush();
}

void ShowTable(const DictionarySource& source, int32_t entry, Format format, TextOutput& out) {
    const StreamedTable table = ReadOneTable(source, entry, format == Format::kJson);
    if (format == Format::kJson) {
        out.Write(JsonTable(table, IsSql(source)).dump());
        out.Write("\n");
    } else {
        for (int32_t row = 0; row < table.grid.RowCount(); ++row) {
            out.BeginLine();
            WriteCells(table.grid, row, out);
            out.EndLine();
        }
    }
    out.Flush();
}

void FindText(const DictionarySource& source, const std::string& text, Format format, TextOutput& out) {
    const FoldedPattern pattern(text, ProcessFoldingTable());
    JsonArrayWriter hits(out, "");
    // An empty text finds nothing, but the file is read all the same: its errors are the result.
    ReadTables(
        source, false, [&pattern](int32_t) { return !pattern.Empty(); },
        [&](StreamedTable& table) {
            const GridModel& grid = table.grid;
            for (int32_t row = 1; row < grid.RowCount(); ++row) {
                if (!RowMatches(grid, row, pattern)) continue;
                if (format == Format::kJson) {
                    hits.Item(JsonFoundRow(table.entry, table.description, grid, row));
                    continue;
                }
                out.BeginLine();
                out.Number(table.entry);
                out.Field(table.description);
                out.Number(row);
                WriteCells(grid, row, out);
                out.EndLine();
            }
            return true;
        });
    if (format == Format::kJson) hits.Close("");
    out.Flush();
}

std::string ExportTable(const DictionarySource& source, int32_t entry) {
    const StreamedTable table = ReadOneTable(source, entry, false);
    return ExportFileBytes(IsSql(source), table.description, table.grid);
}

void DumpDictionary(const DictionarySource& source, TextOutput& out) {
    const bool isSql = IsSql(source);
    JsonArrayWriter tables(out, JsonObjectOpening(isSql));
    ReadTables(
        source, true, [](int32_t) { return true; },
        [&](StreamedTable& table) {
            tables.Item(JsonTable(table, isSql));
            return true;
        });
    tables.Close("}");
    out.Flush();
}

namespace {

template <typename Command>
auto WithFile(const std::string& path, Command command) {
    const auto bytes = OpenFileStream(path);
    return command(DictionarySource{path, *bytes});
}

}  // namespace

void ListTables(const std::string& path, TextOutput& out) {
    WithFile(path, [&](const DictionarySource& source) { ListTables(source, Format::kText, out); });
}

void ShowTable(const std::string& path, int32_t entry, TextOutput& out) {
    WithFile(path, [&](const DictionarySource& source) { ShowTable(source, entry, Format::kText, out); });
}

void FindText(const std::string& path, const std::string& text, TextOutput& out) {
    WithFile(path, [&](const DictionarySource& source) { FindText(source, text, Format::kText, out); });
}

std::string ExportTable(const std::string& path, int32_t entry) {
    return WithFile(path, [&](const DictionarySource& source) { return ExportTable(source, entry); });
}

}  // namespace dd::cli
