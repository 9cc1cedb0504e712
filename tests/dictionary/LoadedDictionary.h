#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/Error.h"
#include "dictionary/GridModel.h"
#include "dictionary/TableListModel.h"

namespace dd::test {

// A dictionary loaded from bytes into a list and grid model, with the error that loading raised.
struct LoadedDictionary {
    Dictionary dictionary;
    TableListModel LB;
    GridModel SG;
    std::optional<Error> error;

    std::vector<std::string> MAll() const {
        std::vector<std::string> lines;
        for (int32_t i = 0; i < dictionary.MAll.LineCount(); ++i) lines.emplace_back(dictionary.MAll.LineAt(i));
        return lines;
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (int32_t i = 0; i < LB.EntryCount(); ++i) entries.push_back(LB.EntryText(i));
        return entries;
    }
    // Row r of the grid, its five cells.
    std::vector<std::string> Row(int32_t row) const {
        std::vector<std::string> cells;
        for (int column = 0; column < kGridColumns; ++column) cells.emplace_back(SG.Cell(column, row));
        return cells;
    }
    // Shows entry `index` as a selection in the list would.
    void Select(int32_t index);
};

std::unique_ptr<LoadedDictionary> LoadBytes(const std::string& bytes, const std::string& path = "C:\\base\\1Cv7.DD");
std::unique_ptr<LoadedDictionary> LoadFile(const std::string& path);

}  // namespace dd::test
