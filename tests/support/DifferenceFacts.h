#pragma once

#include <string>
#include <vector>

#include "base/DictionaryDifferences.h"

namespace dd::test {

// The facts found, one short line each, in the order the comparison gives them.
inline std::vector<std::string> Facts(const DictionaryDifferences& differences) {
    std::vector<std::string> facts;
    for (const TableDifference& table : differences.tables) {
        const char mark = table.fact == TableFact::kAdded ? '+' : table.fact == TableFact::kRemoved ? '-' : '~';
        facts.push_back(mark + table.identifier + (table.descriptionChanged ? " description" : ""));
        for (const auto& field : table.addedFields) facts.push_back("  +field " + field.name);
        for (const auto& field : table.removedFields) facts.push_back("  -field " + field.name);
        for (const FieldChange& change : table.changedFields) {
            facts.push_back("  ~field " + change.after.name + (change.description ? " description" : "") +
                            (change.shape ? " shape" : ""));
        }
        if (table.FieldsReordered()) {
            std::string moved = "  moved";
            for (const std::string& name : table.movedFields) moved += " " + name;
            facts.push_back(moved);
        }
        for (const auto& index : table.addedIndexes) facts.push_back("  +index " + index.name);
        for (const auto& index : table.removedIndexes) facts.push_back("  -index " + index.name);
        for (const IndexChange& change : table.changedIndexes) {
            facts.push_back("  ~index " + change.after.name + (change.unique ? " unique" : "") +
                            (change.fields ? " fields" : "") + (change.lastColumn ? " last" : "") +
                            (change.description ? " description" : ""));
        }
    }
    return facts;
}

}  // namespace dd::test
