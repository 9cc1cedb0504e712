#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dd {

// The dictionary of a base of the DBF edition, as the platform names it beside its tables.
inline constexpr std::string_view kBaseDictionaryName = "1Cv7.DD";

// The folder part of a path, separator included ("C:\base\", "/srv/base/"); empty for a name alone.
std::string_view FolderPartOf(std::string_view path) noexcept;
// The file's name without its folder and its extension: "C:\base\sc167.dbf" gives "sc167", the name of the
// table's identifier in any letter case.
std::string_view TableNameOfFile(std::string_view path) noexcept;

// The dictionary in a folder: a file named 1Cv7.DD in any letter case; none when there is none (or the folder
// cannot be read). The result is the file's path.
std::optional<std::string> DictionaryInFolder(const std::string& folder);

}  // namespace dd
