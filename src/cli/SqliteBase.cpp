// A base into one SQLite database, through SQLite's own API: a prepared statement a table, one transaction
// a table, no journal (the database is a new file that is renamed into place only when it is complete).
#include "cli/SqliteBase.h"

#include <sqlite3.h>

#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "base/BaseFolder.h"
#include "base/BaseFolderDifferences.h"
#include "base/BaseTable.h"
#include "base/ReadableNames.h"
#include "base/ReadableViews.h"
#include "cli/PathChecks.h"
#include "cli/Platform.h"
#include "dbf/DbfRowStream.h"
#include "dictionary/Cp1251.h"
#include "dictionary/Error.h"
#include "platform/FolderListing.h"

namespace dd::cli {
namespace {

struct DatabaseCloser {
    void operator()(sqlite3* database) const noexcept { sqlite3_close_v2(database); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

constexpr uint64_t kProgressEvery = 1 << 16;

[[noreturn]] void Fail(sqlite3* database) { throw Error(sqlite3_errmsg(database)); }

void Execute(sqlite3* database, const std::string& sql) {
    if (sqlite3_exec(database, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(database);
}

Statement Prepare(sqlite3* database, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(database, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK)
        Fail(database);
    return Statement(statement);
}

void Step(sqlite3* database, sqlite3_stmt* statement) {
    if (sqlite3_step(statement) != SQLITE_DONE) Fail(database);
    sqlite3_reset(statement);
}

// A Windows-1251 name as SQLite takes it: UTF-8, in double quotes.
std::string Name(std::string_view name) { return QuotedSqlName(Utf8FromCp1251(name), SqlDialect::kSqlite); }

const char* ColumnType(char type) {
    switch (type) {
        case 'N':
            return "NUMERIC";  // text of digits bound to it is stored as INTEGER or REAL, exactly as written where it
                               // can
        case 'L':
            return "INTEGER";
        default:
            return "TEXT";
    }
}

// The database being written, beside the one asked for; removed unless it was renamed into place.
class PartFile {
public:
    explicit PartFile(const std::string& out) {
        std::random_device random;
        path_ = out + ".part-" + std::to_string(random());
        std::remove(path_.c_str());
    }
    ~PartFile() {
        if (!kept_) std::remove(path_.c_str());
    }
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    const std::string& Path() const noexcept { return path_; }
    void RenameTo(const std::string& out) {
        if (std::rename(path_.c_str(), out.c_str()) != 0) throw Error("cannot put the database in place");
        kept_ = true;
    }

private:
    std::string path_;
    bool kept_ = false;
};

// A table of the dictionary written into the database.
struct WrittenTable {
    const DictionaryTable* described;
    std::string file;
    std::vector<BaseColumn> columns;
    std::vector<DbfColumn> fileColumns;  // the columns' shapes, kept after the table's file is closed
    uint64_t rows = 0;
};

class BaseWriter {
public:
    BaseWriter(sqlite3* database, const SqliteOptions& options, const NoteSink& note)
        : database_(database), options_(options), note_(note), progress_(StandardErrorIsTerminal()) {}

    // Copies the table's rows into a table named by its identifier.
    WrittenTable WriteTable(const std::string& path, const std::string& file, const DictionaryTable& described) {
        const BaseTable table(path, &described);
        const std::vector<BaseColumn>& columns = table.Columns();
        std::string create = "CREATE TABLE " + Name(described.identifier) + " (";
        std::string insert = "INSERT INTO " + Name(described.identifier) + " VALUES (";
        for (size_t i = 0; i < columns.size(); ++i) {
            create += (i > 0 ? ", " : "") + Name(columns[i].column->name) + " " + ColumnType(columns[i].column->type);
            insert += i > 0 ? ", ?" : "?";
        }
        if (options_.withDeleted) {
            create += std::string(columns.empty() ? "" : ", ") + "\"_deleted\" INTEGER";
            insert += columns.empty() ? "?" : ", ?";
        }
        Execute(database_, create + ")");
        const Statement statement = Prepare(database_, insert + ")");
        WrittenTable written{&described, file, columns, table.Table().Columns(), 0};
        for (BaseColumn& column : written.columns)
            column.column = &written.fileColumns[column.index];  // outlive the file
        Execute(database_, "BEGIN");
        std::vector<std::string> texts(columns.size());
        DbfRowStream rows(table.Table());
        while (const auto row = rows.Next()) {
            if (row->Deleted() && !options_.withDeleted) continue;
            for (size_t i = 0; i < columns.size(); ++i)
                Bind(statement.get(), static_cast<int>(i) + 1, *row, columns[i], texts[i]);
            if (options_.withDeleted)
                sqlite3_bind_int(statement.get(), static_cast<int>(columns.size()) + 1, row->Deleted());
            Step(database_, statement.get());
            if (++written.rows % kProgressEvery == 0)
                Progress(described.identifier, rows.RowsRead(), table.Table().RowCount());
        }
        Execute(database_, "COMMIT");
        if (rows.Truncated()) {
            note_(path, "the file holds " + std::to_string(rows.RowsRead()) +
                            " whole records where its header counts " +
                            std::to_string(table.Table().Header().recordCount) + ": read to its last whole record");
        }
        return written;
    }

    void EndProgress() const {
        if (progress_) std::fprintf(stderr, "\r\x1b[K");
    }

private:
    static void Bind(sqlite3_stmt* statement, int at, const DbfRow& row, const BaseColumn& column, std::string& text) {
        const DbfValue value = row.Value(column.index);
        switch (value.Kind()) {
            case DbfValueKind::Null:
                sqlite3_bind_null(statement, at);
                break;
            case DbfValueKind::Number:  // ASCII digits in the record, which outlives the step
                sqlite3_bind_text(statement, at, value.Text().data(), static_cast<int>(value.Text().size()),
                                  SQLITE_STATIC);
                break;
            case DbfValueKind::Logical:
                sqlite3_bind_int(statement, at, value.IsTrue() ? 1 : 0);
                break;
            case DbfValueKind::Text:
            case DbfValueKind::Date:
                text.clear();
                AppendUtf8FromCp1251(text, value.Text());
                sqlite3_bind_text(statement, at, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
                break;
        }
    }

    void Progress(const std::string& identifier, uint64_t read, uint64_t rows) const {
        if (progress_)
            std::fprintf(stderr, "\r\x1b[K%s: %llu of %llu rows", Utf8FromCp1251(identifier, true).c_str(),
                         static_cast<unsigned long long>(read), static_cast<unsigned long long>(rows));
    }

    sqlite3* database_;
    const SqliteOptions& options_;
    const NoteSink& note_;
    bool progress_;
};

// Beside each table a view named by its readable name, its columns under their readable names.
void WriteViews(sqlite3* database, const std::vector<WrittenTable>& written, std::vector<std::string>& names) {
    std::vector<NamedTable> named;
    for (const WrittenTable& table : written) named.push_back({table.described->identifier, table.described->Name()});
    names = ReadableTableNames(named);
    for (size_t i = 0; i < written.size(); ++i) {
        ReadableView view{Utf8FromCp1251(written[i].described->identifier), Utf8FromCp1251(names[i]), {}};
        for (const BaseColumn& column : written[i].columns)
            view.columns.push_back({Utf8FromCp1251(column.column->name), Utf8FromCp1251(column.readableName)});
        if (view.columns.empty()) continue;
        for (const std::string& statement : ViewStatements(view, SqlDialect::kSqlite)) Execute(database, statement);
    }
}

void BindText(sqlite3_stmt* statement, int at, std::string_view cp1251) {
    const std::string text = Utf8FromCp1251(cp1251);
    sqlite3_bind_text(statement, at, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// _tables and _columns: what each table is and what each of its columns is called.
void WriteDescriptions(sqlite3* database, const std::vector<WrittenTable>& written,
                       const std::vector<std::string>& names) {
    Execute(database,
            "CREATE TABLE \"_tables\" (\"identifier\" TEXT, \"readable name\" TEXT, \"description\" TEXT, "
            "\"file\" TEXT, \"rows\" INTEGER)");
    Execute(database,
            "CREATE TABLE \"_columns\" (\"identifier\" TEXT, \"column\" TEXT, \"readable name\" TEXT, "
            "\"dictionary description\" TEXT, \"type\" TEXT, \"length\" INTEGER, \"precision\" INTEGER)");
    Execute(database, "BEGIN");
    const Statement tables = Prepare(database, "INSERT INTO \"_tables\" VALUES (?, ?, ?, ?, ?)");
    const Statement columns = Prepare(database, "INSERT INTO \"_columns\" VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (size_t i = 0; i < written.size(); ++i) {
        const WrittenTable& table = written[i];
        BindText(tables.get(), 1, table.described->identifier);
        BindText(tables.get(), 2, names[i]);
        BindText(tables.get(), 3, table.described->description);
        sqlite3_bind_text(tables.get(), 4, table.file.data(), static_cast<int>(table.file.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(tables.get(), 5, static_cast<sqlite3_int64>(table.rows));
        Step(database, tables.get());
        for (const BaseColumn& column : table.columns) {
            const DbfColumn& shape = table.fileColumns[column.index];
            BindText(columns.get(), 1, table.described->identifier);
            BindText(columns.get(), 2, shape.name);
            BindText(columns.get(), 3, column.readableName);
            if (column.field != nullptr)
                BindText(columns.get(), 4, column.field->description);
            else
                sqlite3_bind_null(columns.get(), 4);
            BindText(columns.get(), 5, std::string(1, shape.type));
            sqlite3_bind_int64(columns.get(), 6, shape.length);
            sqlite3_bind_int64(columns.get(), 7, shape.decimals);
            Step(database, columns.get());
        }
    }
    Execute(database, "COMMIT");
}

}  // namespace

bool SqliteInThisBuild() noexcept { return true; }

void WriteBaseToSqlite(const std::string& folder, const std::string& out, const SqliteOptions& options,
                       const NoteSink& note, std::string& failedFile) {
    failedFile = folder;
    if (KindOfPath(folder) != PathKind::kFolder) throw Error("no such folder: give the folder of the base");
    const std::optional<std::string> dictionaryPath =
        options.dictionary.empty() ? DictionaryInFolder(folder) : std::optional(options.dictionary);
    if (!dictionaryPath) throw Error("no dictionary (1Cv7.DD) in the folder: give it with --dictionary FILE");
    failedFile = *dictionaryPath;
    CheckPathToRead(*dictionaryPath, "1Cv7.DD");
    const DictionaryTables dictionary = ReadDictionaryTablesAt(*dictionaryPath);

    failedFile = out;
    CheckPathToWrite(out);
    if (KindOfPath(out) != PathKind::kNothing && !options.force)
        throw Error("the database exists already: give --force to replace it");
    const TableFiles files = MatchTableFiles(dictionary, FilesInFolder(folder));

    PartFile part(out);
    std::vector<WrittenTable> written;
    {
        sqlite3* opened = nullptr;
        const int status =
            sqlite3_open_v2(part.Path().c_str(), &opened, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        Database database(opened);
        if (status != SQLITE_OK) Fail(database.get());
        Execute(database.get(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA locking_mode = EXCLUSIVE");
        BaseWriter writer(database.get(), options, note);
        for (size_t index = 0; index < dictionary.tables.size(); ++index) {
            const DictionaryTable& table = dictionary.tables[index];
            const std::string& file = files.fileOfTable[index];
            if (file.empty()) {
                note(folder, "no file for " + Utf8FromCp1251(table.identifier, true) + " (" +
                                 Utf8FromCp1251(table.Name(), true) + "): left out");
                continue;
            }
            const std::string path = PathInFolder(folder, file);
            failedFile = path;
            written.push_back(writer.WriteTable(path, file, table));
        }
        writer.EndProgress();
        failedFile = out;
        std::vector<std::string> names;
        WriteViews(database.get(), written, names);
        WriteDescriptions(database.get(), written, names);
        Database closing(database.release());
        if (sqlite3_close(closing.get()) != SQLITE_OK) Fail(closing.get());
        closing.release();
    }
    part.RenameTo(out);
}

}  // namespace dd::cli
