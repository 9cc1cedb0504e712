#include "cli/CommandTable.h"

#include <cstdio>
#include <optional>

#include "base/DictionaryTables.h"
#include "base/ReadableViews.h"
#include "cli/BaseCommands.h"
#include "cli/Commands.h"
#include "cli/DiffCommand.h"
#include "cli/PathChecks.h"
#include "cli/Platform.h"
#include "cli/SqliteBase.h"
#include "dictionary/Cp1251.h"
#include "dictionary/Error.h"
#include "platform/FileReading.h"
#include "platform/FileWriting.h"

namespace dd::cli {
namespace {

constexpr Operand kFile = {
    "FILE", "the dictionary: 1Cv7.DD (DBF edition) or 1Cv7.DDS (SQL edition: a name ending in .DDS, any letter case)"};
constexpr Operand kTable = {"N", "the table's number as `ddview list` gives it, from 0", OperandKind::kTableNumber};
constexpr Operand kText = {"TEXT", "the text to look for (UTF-8), letter case ignored", OperandKind::kText};
constexpr Operand kOut = {"OUT", "the text file to write (Windows-1251, CR LF)"};

constexpr Option kRaw = {"--raw", "print the dictionary's own bytes (Windows-1251), not UTF-8", &CommandLine::raw};
constexpr Option JsonOption(const char* help) { return {"--json", help, &CommandLine::json}; }

Format FormatOf(const CommandLine& line) { return line.json ? Format::kJson : Format::kText; }

// The dictionary named by the first operand, opened to be read front to back.
template <typename Body>
auto WithDictionary(const CommandLine& line, Body body) {
    const std::string path = line.operands[0];
    CheckPathToRead(path, "1Cv7.DD");
    const auto bytes = OpenFileStream(path);
    return body(DictionarySource{path, *bytes});
}

// The parser has checked that a table number is digits only.
int32_t Entry(const std::string& text) { return static_cast<int32_t>(std::stol(text)); }

// TEXT is UTF-8; bytes that are not UTF-8 are taken as Windows-1251 already.
bool SearchText(const std::string& argument, std::string& text) {
    if (auto converted = Cp1251FromUtf8(argument)) {
        text = *converted;
        return true;
    }
    for (size_t i = 0; i < argument.size(); ++i) {
        const auto byte = static_cast<unsigned char>(argument[i]);
        if (byte >= 0xF0 ||
            (byte >= 0xC2 && i + 1 < argument.size() && (static_cast<unsigned char>(argument[i + 1]) & 0xC0) == 0x80)) {
            return false;  // well-formed UTF-8 whose characters Windows-1251 lacks
        }
    }
    text = argument;
    return true;
}

int RunList(const CommandLine& line, TextOutput& out) {
    WithDictionary(line, [&](const DictionarySource& source) { ListTables(source, FormatOf(line), out); });
    return kDone;
}

int RunShow(const CommandLine& line, TextOutput& out) {
    WithDictionary(
        line, [&](const DictionarySource& source) { ShowTable(source, Entry(line.operands[1]), FormatOf(line), out); });
    return kDone;
}

int RunFind(const CommandLine& line, TextOutput& out) {
    std::string text;
    if (!SearchText(line.operands[1], text)) {
        std::fprintf(stderr, "ddview: %s: the text has characters that Windows-1251 lacks\n", line.operands[1].c_str());
        return kBadCommandLine;
    }
    WithDictionary(line, [&](const DictionarySource& source) { FindText(source, text, FormatOf(line), out); });
    return kDone;
}

int RunExport(const CommandLine& line, TextOutput&) {
    const std::string bytes = WithDictionary(
        line, [&](const DictionarySource& source) { return ExportTable(source, Entry(line.operands[1])); });
    try {
        CheckPathToWrite(line.operands[2]);
        WriteWholeFile(line.operands[2], bytes);
    } catch (const Error& error) {
        return ReportFailure(line.operands[2], error.Message());  // the output file's failure names that file
    }
    return kDone;
}

void NoteOnStandardError(const std::string& path, const std::string& note) {
    std::fprintf(stderr, "ddview: %s: %s\n", path.c_str(), note.c_str());
}

DataFormat DataFormatOf(const CommandLine& line) {
    return line.json ? DataFormat::kJson : line.csv ? DataFormat::kCsv : DataFormat::kTabs;
}

int RunData(const CommandLine& line, TextOutput& out) {
    const std::string& path = line.operands[0];
    CheckPathToRead(path, "SC167.DBF");
    const std::optional<std::string> dictionaryPath = DictionaryPathFor(path, line.dictionary, NoteOnStandardError);
    std::optional<DictionaryTables> dictionary;
    if (dictionaryPath) {
        try {
            CheckPathToRead(*dictionaryPath, "1Cv7.DD");
            dictionary = ReadDictionaryTablesAt(*dictionaryPath);
        } catch (const Error& error) {
            return ReportFailure(*dictionaryPath, error.Message());
        }
    }
    PrintTableData(path, dictionary ? &*dictionary : nullptr, {DataFormatOf(line), line.names, line.deleted}, out,
                   NoteOnStandardError);
    return kDone;
}

int RunSqlite(const CommandLine& line, TextOutput&) {
    if (!SqliteInThisBuild()) {
        std::fprintf(stderr, "ddview: sqlite: this build of ddview has no SQLite; the Linux build has it\n");
        return kBadCommandLine;
    }
    std::string failedFile;
    try {
        WriteBaseToSqlite(line.operands[0], line.operands[1], {line.deleted, line.force, line.dictionary},
                          NoteOnStandardError, failedFile);
    } catch (const Error& error) {
        return ReportFailure(failedFile, error.Message());
    }
    return kDone;
}

int RunViews(const CommandLine& line, TextOutput& out) {
    const std::string& path = line.operands[0];
    CheckPathToRead(path, "1Cv7.DDS");
    const SqlDialect dialect = line.dialect == "sqlite" ? SqlDialect::kSqlite : SqlDialect::kTsql;
    out.Write(Utf8FromCp1251(ViewsScript(DictionaryViews(ReadDictionaryTablesAt(path)), dialect)));
    return kDone;
}

int RunDump(const CommandLine& line, TextOutput& out) {
    WithDictionary(line, [&](const DictionarySource& source) { DumpDictionary(source, out); });
    return kDone;
}

int RunDiff(const CommandLine& line, TextOutput& out) {
    return DiffTables(line.operands[0], line.operands[1], FormatOf(line), out);
}

constexpr Operand kListOperands[] = {kFile};
constexpr Option kListOptions[] = {
    kRaw, JsonOption("print {\"edition\": \"DBF\"|\"SQL\", \"tables\": [{\"number\", \"description\", "
                     "\"identifier\"}...]}")};
constexpr const char* kListExamples[] = {
    "list 1Cv7.DD", "list --json 1Cv7.DD | jq -r '.tables[] | [.identifier, .description] | @tsv'"};

constexpr Operand kShowOperands[] = {kFile, kTable};
constexpr Option kShowOptions[] = {
    kRaw, JsonOption("print the table: {\"number\", \"description\", \"identifier\", \"fields\": [{\"name\", "
                     "\"description\", \"type\", \"length\", \"precision\"}...], \"indexes\": [{\"name\", "
                     "\"description\", \"unique\", \"fields\", \"dbName\"|\"type\"}...]}")};
constexpr const char* kShowExamples[] = {"show 1Cv7.DDS 12 --json"};

constexpr Operand kFindOperands[] = {kFile, kText};
constexpr Option kFindOptions[] = {
    kRaw, JsonOption("print [{\"number\", \"description\", \"row\", \"cells\": [five cells]}...]")};
constexpr const char* kFindExamples[] = {"find 1Cv7.DD SP4877"};

constexpr Operand kExportOperands[] = {kFile, kTable, kOut};
constexpr Option kExportOptions[] = {kRaw};
constexpr const char* kExportExamples[] = {"export 1Cv7.DD 12 table12.txt"};

constexpr Operand kDumpOperands[] = {kFile};
constexpr const char* kDumpExamples[] = {
    "dump old/1Cv7.DD >old.json; ddview dump new/1Cv7.DD >new.json; diff old.json new.json"};

constexpr Operand kTableFile = {"TABLE.DBF", "a table of the base: a DBF file named by its identifier (SC167.DBF)"};
constexpr Operand kDataOperands[] = {kTableFile};
constexpr Option kDataOptions[] = {
    {"--csv", "print CSV (RFC 4180, UTF-8, CR LF) under the same header line", &CommandLine::csv, nullptr, nullptr,
     "--json"},
    JsonOption("print JSON Lines: an object a row, keys the readable names in column order; texts and dates "
               "(YYYY-MM-DD) as strings, numbers with their exact digits, true/false, null for a blank"),
    {"--names", "use the columns' own names (SP3019) instead of readable ones", &CommandLine::names},
    {"--deleted", "print deleted rows too, marked in a first column \"deleted\" (* or empty), in JSON \"_deleted\"",
     &CommandLine::deleted},
    {"--dictionary", "the dictionary to read the names from, instead of 1Cv7.DD beside the table", nullptr,
     &CommandLine::dictionary, "FILE"},
};
constexpr const char* kDataExamples[] = {"data base/SC167.DBF", "data base/DH3050.DBF --csv >invoices.csv",
                                         "data base/SC167.DBF --json | jq -r '.[\"Контрагент\"]'",
                                         "data SC167.DBF --dictionary ../config/1Cv7.DD --deleted"};

constexpr Operand kBaseFolder = {"FOLDER", "the base: the folder of its DBF tables and its dictionary 1Cv7.DD"};
constexpr Operand kDatabase = {"OUT.db", "the SQLite database to write"};
constexpr Operand kSqliteOperands[] = {kBaseFolder, kDatabase};
constexpr Option kSqliteOptions[] = {
    {"--force", "replace OUT.db when it exists", &CommandLine::force},
    {"--deleted", "copy deleted rows too, with a column _deleted (1 for a deleted row)", &CommandLine::deleted},
    {"--dictionary", "the dictionary to read the names from, instead of 1Cv7.DD in the folder", nullptr,
     &CommandLine::dictionary, "FILE"},
};
constexpr const char* kSqliteExamples[] = {
    "sqlite /srv/base base.db && sqlite3 base.db 'SELECT * FROM \"Справочник Контрагенты\" LIMIT 5'",
    "sqlite /srv/base base.db --force --deleted"};
#ifdef DD_HAVE_SQLITE
#define DD_SQLITE_IN_THIS_BUILD ""
#else
#define DD_SQLITE_IN_THIS_BUILD " This build of ddview has no SQLite: the command says so and exits with status 2."
#endif

constexpr Operand kViewsOperands[] = {{"FILE", "the dictionary: 1Cv7.DDS (SQL edition) or 1Cv7.DD"}};
constexpr const char* kDialects[] = {"tsql", "sqlite"};
constexpr Option kViewsOptions[] = {
    {"--dialect", "tsql (SQL Server, the default) or sqlite (the views ddview sqlite makes)", nullptr,
     &CommandLine::dialect, "DIALECT", nullptr, kDialects},
};
constexpr const char* kViewsExamples[] = {"views 1Cv7.DDS >views.sql && sqlcmd -d base -i views.sql",
                                          "views 1Cv7.DD --dialect sqlite"};

constexpr Operand kDiffOperands[] = {
    {"OLD", "the dictionary before: 1Cv7.DD or 1Cv7.DDS"},
    {"NEW", "the dictionary after (either edition), or the folder of a base, whose DBF tables are compared with OLD"}};
constexpr Option kDiffOptions[] = {JsonOption(
    "print {\"old\", \"new\", \"added\", \"removed\", \"changed\": [{\"identifier\", \"description\": {\"old\", "
    "\"new\"}, \"fields\": {\"added\", \"removed\", \"changed\": [{\"name\", \"old\", \"new\"}...], \"reordered\"}, "
    "\"indexes\": {\"added\", \"removed\", \"changed\"}}...]}")};
constexpr const char* kDiffExamples[] = {"diff old/1Cv7.DD new/1Cv7.DD", "diff base/1Cv7.DD base",
                                         "diff --json old/1Cv7.DD new/1Cv7.DD | jq -r '.changed[].identifier'"};

constexpr Command kCommands[] = {
    {"list", "one line per table: N<TAB>description, N from 0, in file order",
     "Prints one line per table of the dictionary: its number N (from 0, in file order), a TAB, and its description.",
     kListOperands, kListOptions, kListExamples, false, RunList},
    {"show", "the field grid of table N: every row, cells joined by TAB",
     "Prints the field grid of table N as the viewer shows it: the captions, the table's identifier, then one "
     "row per field (name, description, type, length, precision), cells joined by TAB.",
     kShowOperands, kShowOptions, kShowExamples, false, RunShow},
    {"find", "every field row (and identifier) whose cells contain TEXT",
     "Prints every field row (and table identifier) of every table whose cells contain TEXT, letter case "
     "ignored: N<TAB>description<TAB>row<TAB>cells...",
     kFindOperands, kFindOptions, kFindExamples, false, RunFind},
    {"export", "write table N as the viewer's aligned text file OUT",
     "Writes table N to OUT as the viewer saves it: an aligned text file in Windows-1251 with CR LF line ends.",
     kExportOperands, kExportOptions, kExportExamples, false, RunExport},
    {"dump",
     "the whole dictionary as one JSON document",
     "Prints the whole dictionary as one JSON document, one table per line: {\"edition\": \"DBF\"|\"SQL\", "
     "\"tables\": [{\"number\", \"description\", \"identifier\", \"fields\", \"indexes\"}...]} (see show --json). "
     "Texts are decoded from Windows-1251; every value of the grid is a string.",
     kDumpOperands,
     {},
     kDumpExamples,
     true,
     RunDump},
    {"data", "the rows of a base's DBF table under its dictionary's readable names",
     "Prints the live rows of a DBF table of the base, in file order, under the readable names of the dictionary "
     "beside it (1Cv7.DD in any letter case, or --dictionary FILE): a property (P)Name is called Name, names equal "
     "ignoring case get their column appended, every other column keeps its name, and a column the dictionary lacks "
     "too. By default TAB-separated under a header line. Texts are Windows-1251 without their trailing blanks, numbers "
     "the digits as written, dates YYYY-MM-DD, a blank number or date empty (null in JSON). Without a dictionary the "
     "columns keep their names, and a note on standard error says so; a file shorter than its header says is read to "
     "its last whole record, with a note. The table is read front to back through a fixed buffer: memory does not grow "
     "with it.",
     kDataOperands, kDataOptions, kDataExamples, false, RunData},
    {"sqlite", "a whole base into one SQLite database, with readable views",
     "Writes every table of the dictionary whose file is in FOLDER into OUT.db as a table named by its identifier "
     "with its DBF columns (C and D as TEXT, N as NUMERIC from the exact digits, null for a blank), live rows only "
     "unless --deleted; beside each a view named by the table's readable name with readable column names, so that "
     "SELECT * FROM \"Справочник Контрагенты\" reads as the configuration speaks; and the tables _tables (identifier, "
     "readable name, description, file, rows) and _columns (identifier, column, readable name, dictionary "
     "description, type, length, precision). Tables of the dictionary without a file are listed on standard error "
     "and left out. An existing OUT.db is refused unless --force; the database is written beside it under another "
     "name and renamed into place when complete, so a failure leaves no half-made database." DD_SQLITE_IN_THIS_BUILD,
     kSqliteOperands, kSqliteOptions, kSqliteExamples, false, RunSqlite},
    {"views", "the script that makes readable views of every table (SQL Server or SQLite)",
     "Prints (UTF-8) the script that makes, for every table of the dictionary, a view named by the table's readable "
     "name whose columns are its fields under their readable names: for the SQL edition's database on SQL Server "
     "(CREATE VIEW [dbo].[Справочник Контрагенты] AS SELECT [ID], [SP3019] AS [Контрагент], ... FROM [dbo].[SC167], "
     "each after dropping a view of that name if it exists, batches separated by GO), or with --dialect sqlite the "
     "views that ddview sqlite makes. The column names are the dictionary's own.",
     kViewsOperands, kViewsOptions, kViewsExamples, false, RunViews},
    {"diff", "what NEW added, removed or changed in the tables of OLD",
     "Compares two dictionaries, of either edition: tables by identifier, fields and indexes by name, letters in any "
     "case. Prints one line per fact, grouped by table in NEW's order, removed tables last: a table added (+), "
     "removed (-) or changed (~) with its identifier and description; below a changed table, indented, its fields "
     "added, removed and changed (name, description, type, length, precision; a change shows the old value and the "
     "new), the fields that moved, and its indexes added, removed and changed (unique, fields, dbname or type, "
     "description). Comparing the DBF edition with the SQL edition is allowed: a first line says so, and the "
     "indexes' DBName and Type are not compared.\n\n"
     "When NEW is a folder, OLD is the base's dictionary and the folder's DBF tables stand for NEW: tables removed are "
     "those without a file, tables added the files named like a table (SC, DH, DT, RA, RG, CJ, 1S) that OLD does not "
     "list, fields added the columns that OLD lacks, fields removed those without a column. Only the tables' headers "
     "are read; descriptions and indexes, which the files do not hold, are not compared. A table whose file is no "
     "dBase table is reported on standard error, and the others are compared all the same.\n\n"
     "Exit status, as diff's: 0 equal, 1 different, 2 trouble (a file that cannot be read, a bad command line).",
     kDiffOperands, kDiffOptions, kDiffExamples, false, RunDiff, kTrouble},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

int ReportFailure(const std::string& file, const std::string& message, int status) {
    std::fprintf(stderr, "ddview: %s: %s\n", file.c_str(), message.c_str());
    return status;
}

const char* Version() { return DD_VERSION; }

}  // namespace dd::cli
