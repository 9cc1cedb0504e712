#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base/DictionaryCache.h"
#include "base/DictionaryTables.h"

namespace dd {

// A table of a base that the plug-in shows: its file, the dictionary beside it and that dictionary's
// description of it.
struct BaseTableFile {
    std::string path;
    std::string dictionaryPath;
    std::shared_ptr<const DictionaryTables> dictionary;
    const DictionaryTable* table = nullptr;  // in `dictionary`
};

// Whether the plug-in takes a .DBF file: only a table of a base, that is a file in a folder beside a dictionary
// of the DBF edition (1Cv7.DD in any letter case) that lists a table whose identifier is the file's name. Every
// other DBF file, and one beside a dictionary that cannot be read, is left to another viewer: nothing of the file
// itself is read to decide. The dictionary is read through the cache.
std::optional<BaseTableFile> TakeBaseTable(const std::string& path, DictionaryCache& dictionaries);

}  // namespace dd
