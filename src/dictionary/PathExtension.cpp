#include "dictionary/PathExtension.h"

#include <algorithm>

namespace dd {

std::string_view ExtensionOf(std::string_view path) noexcept {
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return {};
    const size_t separator = path.find_last_of("/\\:");
    if (separator != std::string_view::npos && separator > dot) return {};
    return path.substr(dot);
}

bool HasExtension(std::string_view path, std::string_view extension) noexcept {
    const std::string_view own = ExtensionOf(path);
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return own.size() == extension.size() &&
           std::equal(own.begin(), own.end(), extension.begin(), [&](char a, char b) { return upper(a) == b; });
}

}  // namespace dd
