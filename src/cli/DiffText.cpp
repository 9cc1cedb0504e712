#include "cli/DiffText.h"

#include <string>
#include <string_view>

#include "dictionary/Cp1251.h"

namespace dd::cli {
namespace {

constexpr size_t kNameColumn = 10;
constexpr size_t kDescriptionColumn = 21;
constexpr std::string_view kIndent = "    ";
constexpr std::string_view kArrow = " \xE2\x86\x92 ";  // " → "

// A text of the dictionary (Windows-1251) for the terminal.
std::string Shown(std::string_view text) { return Utf8FromCp1251(text, true); }

// A value of a labelled column or of one side of a change: an empty one would leave nothing to see.
std::string ShownValue(std::string_view text) { return text.empty() ? std::string("\"\"") : Shown(text); }

size_t Characters(std::string_view utf8) {
    size_t count = 0;
    for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// The text and the blanks after it up to `width` characters, at least one.
std::string Column(std::string text, size_t width) {
    const size_t length = Characters(text);
    text.append(length < width ? width - length : 1, ' ');
    return text;
}

std::string Change(const std::string& before, const std::string& after) { return before + std::string(kArrow) + after; }

void WriteLine(std::string line, TextOutput& out) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    line += '\n';
    out.Write(line);
}

std::string Shape(const DictionaryField& field) {
    return Shown(field.type) + " " + Shown(field.length) + " " + Shown(field.precision);
}

void WriteField(char mark, const DictionaryField& field, TextOutput& out) {
    WriteLine(std::string(kIndent) + mark + " " + Column(Shown(field.name), kNameColumn) +
                  Column(Shown(field.description), kDescriptionColumn) + Shape(field),
              out);
}

void WriteFieldChange(const FieldChange& change, TextOutput& out) {
    const std::string description =
        change.description ? Change(ShownValue(change.before.description), ShownValue(change.after.description))
                           : Shown(change.after.description);
    const std::string shape = change.shape ? Change(Shape(change.before), Shape(change.after)) : Shape(change.after);
    WriteLine(std::string(kIndent) + "~ " + Column(Shown(change.after.name), kNameColumn) +
                  Column(description, kDescriptionColumn) + shape,
              out);
}

std::string IndexedFields(const TableIndex& index) {
    std::string joined;
    for (const std::string& field : index.fields) joined += (joined.empty() ? "" : ",") + field;
    return joined;
}

std::string LastColumnLabel(bool isSql) { return isSql ? "type" : "dbname"; }

std::string IndexHead(char mark, const TableIndex& index) {
    return std::string(kIndent) + mark + " index " + Column(Shown(index.name), kNameColumn);
}

void WriteIndex(char mark, const TableIndex& index, bool isSql, TextOutput& out) {
    WriteLine(IndexHead(mark, index) + "unique " + (index.unique ? "1" : "0") + "  fields " +
                  ShownValue(IndexedFields(index)) + "  " + LastColumnLabel(isSql) + " " +
                  ShownValue(index.lastColumn) + "  description " + ShownValue(index.description),
              out);
}

void WriteIndexChange(const IndexChange& change, bool isSql, TextOutput& out) {
    std::string line = IndexHead('~', change.after);
    const auto part = [&line](const std::string& label, const std::string& before, const std::string& after) {
        if (line.back() != ' ') line += "  ";
        line += label + " " + Change(before, after);
    };
    if (change.unique) part("unique", change.before.unique ? "1" : "0", change.after.unique ? "1" : "0");
    if (change.fields)
        part("fields", ShownValue(IndexedFields(change.before)), ShownValue(IndexedFields(change.after)));
    if (change.lastColumn) {
        part(LastColumnLabel(isSql), ShownValue(change.before.lastColumn), ShownValue(change.after.lastColumn));
    }
    if (change.description) {
        part("description", ShownValue(change.before.description), ShownValue(change.after.description));
    }
    WriteLine(line, out);
}

void WriteTableLine(char mark, const TableDifference& table, TextOutput& out) {
    const std::string description = table.descriptionChanged
                                        ? Change(ShownValue(table.descriptionBefore), ShownValue(table.description))
                                        : Shown(table.description);
    WriteLine(std::string(1, mark) + " " + Column(Shown(table.identifier), kNameColumn) + description, out);
}

void WriteChangedTable(const TableDifference& table, const DictionaryDifferences& differences, TextOutput& out) {
    WriteTableLine('~', table, out);
    for (const DictionaryField& field : table.addedFields) WriteField('+', field, out);
    for (const DictionaryField& field : table.removedFields) WriteField('-', field, out);
    for (const FieldChange& change : table.changedFields) WriteFieldChange(change, out);
    if (table.FieldsReordered()) {
        std::string moved;
        for (const std::string& name : table.movedFields) moved += (moved.empty() ? "" : ", ") + Shown(name);
        WriteLine(std::string(kIndent) + "~ field order: " + moved + " moved", out);
    }
    for (const TableIndex& index : table.addedIndexes) WriteIndex('+', index, differences.afterIsSql, out);
    for (const TableIndex& index : table.removedIndexes) WriteIndex('-', index, differences.beforeIsSql, out);
    for (const IndexChange& change : table.changedIndexes) WriteIndexChange(change, differences.afterIsSql, out);
}

std::string EditionName(bool isSql) { return isSql ? "SQL edition" : "DBF edition"; }

}  // namespace

void WriteDifferencesText(const DictionaryDifferences& differences, TextOutput& out) {
    if (differences.EditionsDiffer()) {
        std::string line = "# " + Change(EditionName(differences.beforeIsSql), EditionName(differences.afterIsSql));
        if (differences.parts.indexes) line += ": the indexes' DBName and Type are not compared";
        WriteLine(line, out);
    }
    for (const TableDifference& table : differences.tables) {
        switch (table.fact) {
            case TableFact::kAdded:
                WriteTableLine('+', table, out);
                break;
            case TableFact::kRemoved:
                WriteTableLine('-', table, out);
                break;
            case TableFact::kChanged:
                WriteChangedTable(table, differences, out);
                break;
        }
    }
    out.Flush();
}

}  // namespace dd::cli
