#include "cli/CommandTable.h"

#include <cstdio>

#include "cli/Commands.h"
#include "cli/DiffCommand.h"
#include "cli/PathChecks.h"
#include "cli/Platform.h"
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
