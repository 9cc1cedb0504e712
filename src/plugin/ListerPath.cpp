#include "plugin/ListerPath.h"

#include <algorithm>
#include <cstring>

#include "dictionary/PathExtension.h"

namespace dd {

void CopyDetectString(char* buffer, int maxlen) noexcept {
    if (buffer == nullptr || maxlen <= 0) return;
    const size_t count = std::min(kDetectString.size(), static_cast<size_t>(maxlen) - 1);
    std::memcpy(buffer, kDetectString.data(), count);
    buffer[count] = '\0';
}

bool HasDictionaryExtension(std::string_view path) noexcept {
    return HasExtension(path, ".DD") || HasExtension(path, ".DDS");
}

std::string_view FolderOf(std::string_view path) noexcept {
    const size_t separator = path.find_last_of("\\:");
    return separator == std::string_view::npos ? std::string_view{} : path.substr(0, separator + 1);
}

}  // namespace dd
