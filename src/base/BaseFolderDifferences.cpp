#include "base/BaseFolderDifferences.h"

#include <map>
#include <optional>
#include <set>

#include "base/FoldedText.h"
#include "base/ReadableNames.h"
#include "dictionary/Cp1251.h"
#include "dictionary/Error.h"
#include "dictionary/TrimBlanks.h"
#include "platform/FileReading.h"
#include "platform/FolderListing.h"

namespace dd {
namespace {

constexpr std::string_view kTableExtension = ".DBF";
constexpr std::string_view kPlatformPrefixes[] = {"SC", "DH", "DT", "RA", "RG", "CJ", "1S"};

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && EqualIgnoringCase(text.substr(0, start.size()), start);
}

// The name of a file without ".DBF" in Windows-1251, as the dictionary writes identifiers; nothing for a file of
// another kind, or whose name has characters that Windows-1251 lacks (no identifier has them).
std::optional<std::string> TableName(std::string_view file) {
    if (file.size() <= kTableExtension.size()) return std::nullopt;
    const std::string_view extension = file.substr(file.size() - kTableExtension.size());
    if (!EqualIgnoringCase(extension, kTableExtension)) return std::nullopt;
    return Cp1251FromUtf8(file.substr(0, file.size() - kTableExtension.size()));
}

}  // namespace

bool IsPlatformTableFile(std::string_view name) {
    const auto table = TableName(name);
    if (!table) return false;
    for (const std::string_view prefix : kPlatformPrefixes) {
        // The prefix and the table's number: "SC.DBF" alone names no table.
        if (table->size() > prefix.size() && StartsWithIgnoringCase(*table, prefix)) return true;
    }
    return false;
}

TableFiles MatchTableFiles(const DictionaryTables& dictionary, const std::vector<std::string>& files) {
    std::map<std::string, const std::string*> fileOfName;  // by the folded table name; the first file of a name
    for (const std::string& file : files) {
        if (const auto name = TableName(file)) fileOfName.emplace(FoldedText(*name), &file);
    }
    TableFiles matched;
    std::set<std::string> listed;
    for (const DictionaryTable& table : dictionary.tables) {
        std::string folded = FoldedText(table.identifier);
        const auto found = fileOfName.find(folded);
        matched.fileOfTable.push_back(found == fileOfName.end() ? std::string() : *found->second);
        listed.insert(std::move(folded));
    }
    for (const std::string& file : files) {
        if (IsPlatformTableFile(file) && listed.count(FoldedText(*TableName(file))) == 0)
            matched.unlisted.push_back(file);
    }
    return matched;
}

DictionaryTable TableOfHeader(const DictionaryTable& described, const DbfHeader& header) {
    DictionaryTable table;
    table.entry = described.entry;
    table.identifier = described.identifier;
    table.description = described.description;
    table.wholeName = described.wholeName;
    std::vector<bool> taken(described.fields.size(), false);  // a field describes one column, the first of its name
    for (const DbfColumn& column : header.columns) {
        DictionaryField field{std::string(TrimBlanks(column.name)),
                              {},
                              std::string(1, column.type),
                              std::to_string(column.length),
                              std::to_string(column.decimals)};
        for (size_t i = 0; i < described.fields.size(); ++i) {
            if (!taken[i] && EqualIgnoringCase(TrimBlanks(described.fields[i].name), field.name)) {
                field.description = described.fields[i].description;
                taken[i] = true;
                break;
            }
        }
        table.fields.push_back(std::move(field));
    }
    return table;
}

BaseFolderDifferences CompareBaseFolder(const DictionaryTables& dictionary, const std::string& folder) {
    const TableFiles files = MatchTableFiles(dictionary, FilesInFolder(folder));
    BaseFolderDifferences result;
    DictionaryTables described;  // the dictionary's tables but those whose file could not be read
    described.isSqlEdition = dictionary.isSqlEdition;
    DictionaryTables found;  // the folder's, which are the DBF edition's tables whatever the dictionary
    for (size_t i = 0; i < dictionary.tables.size(); ++i) {
        const DictionaryTable& table = dictionary.tables[i];
        if (files.fileOfTable[i].empty()) {
            described.tables.push_back(table);
            continue;
        }
        const std::string path = PathInFolder(folder, files.fileOfTable[i]);
        DbfHeader header;
        try {
            const auto source = OpenRandomAccessFile(path);
            header = ReadDbfHeader(*source);
        } catch (const Error& error) {
            result.unreadable.push_back({path, error.Message()});
            continue;
        }
        described.tables.push_back(table);
        found.tables.push_back(TableOfHeader(table, header));
    }
    for (const std::string& name : files.unlisted) {
        DictionaryTable table;
        table.entry = static_cast<int32_t>(found.tables.size());
        table.identifier = *TableName(name);
        found.tables.push_back(std::move(table));
    }
    result.differences = CompareDictionaryTables(described, found, {.descriptions = false, .indexes = false});
    return result;
}

}  // namespace dd
