#include "base/ReadableNames.h"

#include <algorithm>
#include <map>

#include "base/FoldedText.h"
#include "dictionary/FoldingTable.h"
#include "dictionary/TrimBlanks.h"

namespace dd {
namespace {

// Appends " (own)" to every name that is equal, letters folded, to another name of the list or to the own
// name of another item: where the names alone would not tell the items apart.
std::vector<std::string> WithOwnNamesWhereEqual(std::vector<std::string> names, const std::vector<std::string>& owns) {
    std::map<std::string, int> uses;  // folded name: how many names and other items' own names it is
    for (const std::string& name : names) ++uses[FoldedText(name)];
    std::vector<std::string> foldedOwns;
    for (const std::string& own : owns) foldedOwns.push_back(FoldedText(own));
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string folded = FoldedText(names[i]);
        bool equal = uses[folded] > 1;
        for (size_t j = 0; j < owns.size() && !equal; ++j) equal = j != i && foldedOwns[j] == folded;
        if (equal) names[i] += " (" + owns[i] + ")";
    }
    return names;
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) noexcept {
    const FoldingTable& fold = ProcessFoldingTable();
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return fold[static_cast<unsigned char>(x)] == fold[static_cast<unsigned char>(y)];
           });
}

std::string ReadableFieldName(std::string_view column, std::string_view description) {
    const std::string_view trimmed = TrimBlanks(description);
    if (trimmed.substr(0, kPropertyPrefix.size()) == kPropertyPrefix) {
        const std::string_view name = TrimBlanks(trimmed.substr(kPropertyPrefix.size()));
        if (!name.empty()) return std::string(name);
    }
    return std::string(column);
}

std::vector<std::string> ReadableColumnNames(const std::vector<NamedColumn>& columns) {
    std::vector<std::string> names, owns;
    for (const NamedColumn& column : columns) {
        names.push_back(ReadableFieldName(column.column, column.description));
        owns.push_back(column.column);
    }
    return WithOwnNamesWhereEqual(std::move(names), owns);
}

std::vector<std::string> ReadableTableNames(const std::vector<NamedTable>& tables) {
    std::vector<std::string> names, owns;
    for (const NamedTable& table : tables) {
        const std::string_view name = TrimBlanks(table.name);
        names.emplace_back(name.empty() ? std::string_view(table.identifier) : name);
        owns.push_back(table.identifier);
    }
    return WithOwnNamesWhereEqual(std::move(names), owns);
}

}  // namespace dd
