#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/Error.h"
#include "viewmodel/DictionaryView.h"

namespace dd::test {

// A dictionary opened from bytes or a file, with the error that opening raised.
struct LoadedDictionary {
    DictionaryView view;
    std::optional<Error> error;

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (int32_t i = 0; i < view.Lines().LineCount(); ++i) lines.emplace_back(view.Lines().LineAt(i));
        return lines;
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (int32_t i = 0; i < view.List().EntryCount(); ++i) entries.push_back(view.List().EntryText(i));
        return entries;
    }
    // Row r of the grid, its five cells.
    std::vector<std::string> Row(int32_t row) const {
        std::vector<std::string> cells;
        for (int column = 0; column < kGridColumns; ++column) cells.emplace_back(view.Grid().Cell(column, row));
        return cells;
    }
    // Shows entry `index` as a selection in the list would.
    void Select(int32_t index) { view.SelectTable(index); }
};

std::unique_ptr<LoadedDictionary> LoadBytes(const std::string& bytes, const std::string& path = "C:\\base\\1Cv7.DD");
std::unique_ptr<LoadedDictionary> LoadFile(const std::string& path);

}  // namespace dd::test
