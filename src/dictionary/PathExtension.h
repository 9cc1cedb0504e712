#pragma once

#include <string_view>

namespace dd {

// The extension of a path: from its last dot to the end, dot included, when that dot stands in the
// file's own name (after the last "/", "\" and ":"); empty otherwise. "C:\x.DDS\1Cv7.DD" gives ".DD".
std::string_view ExtensionOf(std::string_view path) noexcept;

// Whether the path's extension is `extension` (written in capitals, dot included), ASCII letters in
// any case: ".dds", ".Dds" and ".DDS" are all ".DDS".
bool HasExtension(std::string_view path, std::string_view extension) noexcept;

}  // namespace dd
