#include "plugin/ListerPath.h"

#include <algorithm>
#include <cstring>

namespace dd {

void CopyDetectString(char* buffer, int maxlen) noexcept {
    if (buffer == nullptr || maxlen <= 0) return;
    const size_t count = std::min(kDetectString.size(), static_cast<size_t>(maxlen) - 1);
    std::memcpy(buffer, kDetectString.data(), count);
    buffer[count] = '\0';
}

bool HasDictionaryExtension(std::string_view path) noexcept {
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return false;
    const size_t separator = path.find_last_of("\\:");
    if (separator != std::string_view::npos && separator > dot) return false;
    std::string_view extension = path.substr(dot);
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    auto equals = [&](std::string_view wanted) {
        return extension.size() == wanted.size() && std::equal(extension.begin(), extension.end(), wanted.begin(),
                                                               [&](char a, char b) { return upper(a) == b; });
    };
    return equals(".DD") || equals(".DDS");
}

std::string_view FolderOf(std::string_view path) noexcept {
    const size_t separator = path.find_last_of("\\:");
    return separator == std::string_view::npos ? std::string_view{} : path.substr(0, separator + 1);
}

}  // namespace dd
