#include "plugin/BaseTableProbe.h"

#include "base/BaseFolder.h"
#include "dictionary/Cp1251.h"
#include "dictionary/Error.h"
#include "dictionary/PathExtension.h"

namespace dd {

std::optional<BaseTableFile> TakeBaseTable(const std::string& path, DictionaryCache& dictionaries) {
    if (!HasExtension(path, ".DBF")) return std::nullopt;
    const std::optional<std::string> identifier = Cp1251FromUtf8(TableNameOfFile(path));
    if (!identifier || identifier->empty()) return std::nullopt;
    const std::optional<std::string> dictionaryPath = DictionaryInFolder(std::string(FolderPartOf(path)));
    if (!dictionaryPath) return std::nullopt;
    BaseTableFile taken{path, *dictionaryPath, nullptr, nullptr};
    try {
        taken.dictionary = dictionaries.Tables(*dictionaryPath);
    } catch (const Error&) {
        return std::nullopt;
    }
    taken.table = taken.dictionary->Find(*identifier);
    if (taken.table == nullptr) return std::nullopt;
    return taken;
}

}  // namespace dd
