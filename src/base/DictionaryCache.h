#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base/DictionaryTables.h"
#include "platform/FileStamp.h"

namespace dd {

// The dictionary of a base, kept while its file stays the same: walking a base's tables one after another
// (the Lister's N and P) reads the dictionary once, and again only when its size or time has changed.
class DictionaryCache {
public:
    // The tables of the dictionary at the path, read now or kept from before. Fails as ReadDictionaryTablesAt
    // fails; a dictionary that cannot be read is not kept.
    std::shared_ptr<const DictionaryTables> Tables(const std::string& path);

private:
    std::string path_;
    std::optional<FileStamp> stamp_;
    std::shared_ptr<const DictionaryTables> tables_;
};

}  // namespace dd
