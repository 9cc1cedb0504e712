#include "base/DictionaryCache.h"

namespace dd {

std::shared_ptr<const DictionaryTables> DictionaryCache::Tables(const std::string& path) {
    const std::optional<FileStamp> stamp = StampOf(path);
    if (tables_ && stamp && path == path_ && stamp == stamp_) return tables_;
    tables_.reset();
    auto tables = std::make_shared<const DictionaryTables>(ReadDictionaryTablesAt(path));
    path_ = path;
    stamp_ = stamp;
    tables_ = tables;
    return tables;
}

}  // namespace dd
