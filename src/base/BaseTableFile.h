#pragma once

#include <memory>
#include <string>

#include "base/DictionaryTables.h"

namespace dd {

// A table of a base that the viewer shows: its file, the dictionary beside it and that dictionary's
// description of it.
struct BaseTableFile {
    std::string path;
    std::string dictionaryPath;
    std::shared_ptr<const DictionaryTables> dictionary;
    const DictionaryTable* table = nullptr;  // in `dictionary`
};

}  // namespace dd
