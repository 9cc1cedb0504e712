#pragma once

#include <string>
#include <vector>

#include "base/DictionaryTables.h"
#include "dictionary/TableIndexes.h"

namespace dd {

// A field that both sides have, with what changed in it.
struct FieldChange {
    DictionaryField before;
    DictionaryField after;
    bool description = false;
    bool shape = false;  // its type, length or precision
};

// An index that both sides have, with the columns that changed in it.
struct IndexChange {
    TableIndex before;
    TableIndex after;
    bool description = false;
    bool unique = false;
    bool fields = false;
    bool lastColumn = false;  // DBName or Type
};

// The parts of the tables that a comparison looks at. The files of a base hold neither descriptions nor
// indexes, so comparing a base with its dictionary leaves them out.
struct ComparedParts {
    bool descriptions = true;  // the tables' and the fields' (an index's description goes with the index)
    bool indexes = true;
};

enum class TableFact { kAdded, kRemoved, kChanged };

// One table that the two sides do not have alike. Texts in Windows-1251.
struct TableDifference {
    TableFact fact = TableFact::kChanged;
    std::string identifier;   // as the new side writes it (the old side for a removed table)
    std::string description;  // the same side's
    // kChanged only, each list empty when nothing of its kind changed:
    std::string descriptionBefore;  // the old side's, when `descriptionChanged`
    bool descriptionChanged = false;
    std::vector<DictionaryField> addedFields;    // in the new side's order
    std::vector<DictionaryField> removedFields;  // in the old side's order
    std::vector<FieldChange> changedFields;      // in the new side's order
    // The fields both sides have that stand elsewhere among them (the fewest such, in the new side's order);
    // empty when both sides have them in the same order.
    std::vector<std::string> movedFields;
    std::vector<TableIndex> addedIndexes;     // in the new side's order
    std::vector<TableIndex> removedIndexes;   // in the old side's order
    std::vector<IndexChange> changedIndexes;  // in the new side's order

    bool FieldsReordered() const noexcept { return !movedFields.empty(); }
};

// What the comparison found: the tables added and changed in the new side's order, then those removed in the
// old side's order.
struct DictionaryDifferences {
    bool beforeIsSql = false;
    bool afterIsSql = false;
    ComparedParts parts;
    std::vector<TableDifference> tables;

    bool EditionsDiffer() const noexcept { return beforeIsSql != afterIsSql; }
    // The index column that the two sides share: DBName and Type are different columns, never compared.
    bool ComparesIndexLastColumn() const noexcept { return parts.indexes && !EditionsDiffer(); }
    bool Empty() const noexcept { return tables.empty() && !EditionsDiffer(); }
};

// Compares two sets of tables: tables are paired by identifier, fields and indexes by name, letters in any case
// (the Windows-1251 folding); where a name comes twice, its first on one side goes with its first on the other.
// Types, indexed fields and DBName or Type are compared in any case too, lengths and precisions as numbers where
// both are written in digits; descriptions as they are written.
DictionaryDifferences CompareDictionaryTables(const DictionaryTables& before, const DictionaryTables& after,
                                              ComparedParts parts = {});

}  // namespace dd
