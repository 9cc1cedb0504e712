#pragma once

#include <string_view>

namespace dd {

// Removes every byte of code 0 to 32 (the space and all control characters) from both ends.
// Bytes of code 127 and above, the no-break space among them, always stay.
constexpr std::string_view TrimBlanks(std::string_view text) noexcept {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) ++begin;
    size_t end = text.size();
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace dd
