#pragma once

#include <optional>
#include <string>

#include "base/BaseTableFile.h"
#include "base/DictionaryCache.h"

namespace dd {

// Whether the plug-in takes a .DBF file: only a table of a base, that is a file in a folder beside a dictionary
// of the DBF edition (1Cv7.DD in any letter case) that lists a table whose identifier is the file's name. Every
// other DBF file, and one beside a dictionary that cannot be read, is left to another viewer: nothing of the file
// itself is read to decide. The dictionary is read through the cache.
std::optional<BaseTableFile> TakeBaseTable(const std::string& path, DictionaryCache& dictionaries);

}  // namespace dd
