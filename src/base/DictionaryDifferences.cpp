#include "base/DictionaryDifferences.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <string_view>

#include "base/FoldedText.h"
#include "base/ReadableNames.h"
#include "dictionary/TrimBlanks.h"

namespace dd {
namespace {

constexpr size_t kNone = SIZE_MAX;

// Which item of one side goes with which of the other, by their names with letters folded: the first of a name
// on one side with the first of it on the other, the second with the second.
struct Pairing {
    std::vector<size_t> partnerOfAfter;  // for each item of the new side, its partner's place on the old side
    std::vector<bool> beforePaired;
};

template <typename Item, typename NameOf>
Pairing PairByName(const std::vector<Item>& before, const std::vector<Item>& after, NameOf nameOf) {
    std::map<std::string, std::deque<size_t>> unpaired;
    for (size_t i = 0; i < before.size(); ++i) unpaired[FoldedText(nameOf(before[i]))].push_back(i);
    Pairing pairing{std::vector<size_t>(after.size(), kNone), std::vector<bool>(before.size(), false)};
    for (size_t i = 0; i < after.size(); ++i) {
        const auto found = unpaired.find(FoldedText(nameOf(after[i])));
        if (found == unpaired.end() || found->second.empty()) continue;
        pairing.partnerOfAfter[i] = found->second.front();
        pairing.beforePaired[found->second.front()] = true;
        found->second.pop_front();
    }
    return pairing;
}

bool IsDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "14" and "014" are one length; a text that is no number is compared as it is written.
bool SameNumber(std::string_view a, std::string_view b) {
    a = TrimBlanks(a);
    b = TrimBlanks(b);
    if (!IsDigits(a) || !IsDigits(b)) return a == b;
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    return a == b;
}

bool SameName(std::string_view a, std::string_view b) { return EqualIgnoringCase(TrimBlanks(a), TrimBlanks(b)); }

bool SameShape(const DictionaryField& a, const DictionaryField& b) {
    return SameName(a.type, b.type) && SameNumber(a.length, b.length) && SameNumber(a.precision, b.precision);
}

bool SameIndexedFields(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameName);
}

// Marks the items of a longest strictly increasing run in `sequence` (its values all differ): the most fields
// that kept their order, so that the fewest are called moved. Of several such runs it always takes the same one
// for the same sequence.
std::vector<bool> InLongestIncreasingRun(const std::vector<size_t>& sequence) {
    std::vector<size_t> tails;  // tails[k]: where the increasing run of k + 1 items with the least last value ends
    std::vector<size_t> previous(sequence.size(), kNone);
    for (size_t i = 0; i < sequence.size(); ++i) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), sequence[i],
                                         [&](size_t end, size_t value) { return sequence[end] < value; });
        if (at != tails.begin()) previous[i] = *(at - 1);
        if (at == tails.end()) {
            tails.push_back(i);
        } else {
            *at = i;
        }
    }
    std::vector<bool> kept(sequence.size(), false);
    for (size_t i = tails.empty() ? kNone : tails.back(); i != kNone; i = previous[i]) kept[i] = true;
    return kept;
}

void CompareFields(const DictionaryTable& before, const DictionaryTable& after, ComparedParts parts,
                   TableDifference& difference) {
    const Pairing pairing = PairByName(before.fields, after.fields, [](const DictionaryField& f) { return f.name; });
    std::vector<size_t> beforePlaces;  // of the fields both have, in the new side's order
    std::vector<size_t> afterPlaces;
    for (size_t i = 0; i < after.fields.size(); ++i) {
        const size_t partner = pairing.partnerOfAfter[i];
        if (partner == kNone) {
            difference.addedFields.push_back(after.fields[i]);
            continue;
        }
        beforePlaces.push_back(partner);
        afterPlaces.push_back(i);
        const DictionaryField& old = before.fields[partner];
        FieldChange change{old, after.fields[i]};
        change.description = parts.descriptions && old.description != after.fields[i].description;
        change.shape = !SameShape(old, after.fields[i]);
        if (change.description || change.shape) difference.changedFields.push_back(std::move(change));
    }
    for (size_t j = 0; j < before.fields.size(); ++j) {
        if (!pairing.beforePaired[j]) difference.removedFields.push_back(before.fields[j]);
    }
    const std::vector<bool> kept = InLongestIncreasingRun(beforePlaces);
    for (size_t k = 0; k < kept.size(); ++k) {
        if (!kept[k]) difference.movedFields.push_back(after.fields[afterPlaces[k]].name);
    }
}

void CompareIndexes(const DictionaryTable& before, const DictionaryTable& after, bool lastColumn,
                    TableDifference& difference) {
    const Pairing pairing = PairByName(before.indexes, after.indexes, [](const TableIndex& i) { return i.name; });
    for (size_t i = 0; i < after.indexes.size(); ++i) {
        const size_t partner = pairing.partnerOfAfter[i];
        if (partner == kNone) {
            difference.addedIndexes.push_back(after.indexes[i]);
            continue;
        }
        const TableIndex& old = before.indexes[partner];
        const TableIndex& now = after.indexes[i];
        IndexChange change{old, now};
        change.description = old.description != now.description;
        change.unique = old.unique != now.unique;
        change.fields = !SameIndexedFields(old.fields, now.fields);
        change.lastColumn = lastColumn && !SameName(old.lastColumn, now.lastColumn);
        if (change.description || change.unique || change.fields || change.lastColumn) {
            difference.changedIndexes.push_back(std::move(change));
        }
    }
    for (size_t j = 0; j < before.indexes.size(); ++j) {
        if (!pairing.beforePaired[j]) difference.removedIndexes.push_back(before.indexes[j]);
    }
}

bool Changed(const TableDifference& d) {
    return d.descriptionChanged || !d.addedFields.empty() || !d.removedFields.empty() || !d.changedFields.empty() ||
           d.FieldsReordered() || !d.addedIndexes.empty() || !d.removedIndexes.empty() || !d.changedIndexes.empty();
}

}  // namespace

DictionaryDifferences CompareDictionaryTables(const DictionaryTables& before, const DictionaryTables& after,
                                              ComparedParts parts) {
    DictionaryDifferences differences;
    differences.beforeIsSql = before.isSqlEdition;
    differences.afterIsSql = after.isSqlEdition;
    differences.parts = parts;
    const Pairing pairing =
        PairByName(before.tables, after.tables, [](const DictionaryTable& t) { return t.identifier; });
    for (size_t i = 0; i < after.tables.size(); ++i) {
        const DictionaryTable& now = after.tables[i];
        TableDifference difference;
        difference.identifier = now.identifier;
        difference.description = now.description;
        const size_t partner = pairing.partnerOfAfter[i];
        if (partner == kNone) {
            difference.fact = TableFact::kAdded;
            differences.tables.push_back(std::move(difference));
            continue;
        }
        const DictionaryTable& old = before.tables[partner];
        if (parts.descriptions && old.description != now.description) {
            difference.descriptionBefore = old.description;
            difference.descriptionChanged = true;
        }
        CompareFields(old, now, parts, difference);
        if (parts.indexes) CompareIndexes(old, now, differences.ComparesIndexLastColumn(), difference);
        if (Changed(difference)) differences.tables.push_back(std::move(difference));
    }
    for (size_t j = 0; j < before.tables.size(); ++j) {
        if (pairing.beforePaired[j]) continue;
        TableDifference difference;
        difference.fact = TableFact::kRemoved;
        difference.identifier = before.tables[j].identifier;
        difference.description = before.tables[j].description;
        differences.tables.push_back(std::move(difference));
    }
    return differences;
}

}  // namespace dd
