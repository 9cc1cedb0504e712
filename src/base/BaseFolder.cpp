#include "base/BaseFolder.h"

#include <algorithm>

#include "dictionary/Error.h"
#include "dictionary/PathExtension.h"
#include "platform/FolderListing.h"

namespace dd {
namespace {

char UpperAscii(char c) noexcept { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualAsciiIgnoringCase(std::string_view a, std::string_view b) noexcept {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

}  // namespace

std::string_view FolderPartOf(std::string_view path) noexcept {
    const size_t separator = path.find_last_of("/\\:");
    return separator == std::string_view::npos ? std::string_view{} : path.substr(0, separator + 1);
}

std::string_view TableNameOfFile(std::string_view path) noexcept {
    const std::string_view name = path.substr(FolderPartOf(path).size());
    return name.substr(0, name.size() - ExtensionOf(name).size());
}

std::optional<std::string> DictionaryInFolder(const std::string& folder) {
    try {
        for (const std::string& name : FilesInFolder(folder)) {
            if (EqualAsciiIgnoringCase(name, kBaseDictionaryName)) return PathInFolder(folder, name);
        }
    } catch (const Error&) {
    }
    return std::nullopt;
}

}  // namespace dd
