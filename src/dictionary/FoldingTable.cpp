#include "dictionary/FoldingTable.h"

#include <cstring>

namespace dd {

FoldingTable Cp1251FoldingTable() {
    FoldingTable table;
    for (int b = 0; b < 256; ++b) table[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b) table[b] = static_cast<unsigned char>(b + 32);
    for (int b = 0xC0; b <= 0xDF; ++b) table[b] = static_cast<unsigned char>(b + 32);  // А..Я
    // The capitals outside the main Cyrillic block and the small letters they pair with.
    static constexpr unsigned char pairs[][2] = {
        {0x80, 0x90},  // Ђ ђ
        {0x81, 0x83},  // Ѓ ѓ
        {0x8A, 0x9A},  // Љ љ
        {0x8C, 0x9C},  // Њ њ
        {0x8D, 0x9D},  // Ќ ќ
        {0x8E, 0x9E},  // Ћ ћ
        {0x8F, 0x9F},  // Џ џ
        {0xA1, 0xA2},  // Ў ў
        {0xA3, 0xBC},  // Ј ј
        {0xA5, 0xB4},  // Ґ ґ
        {0xA8, 0xB8},  // Ё ё
        {0xAA, 0xBA},  // Є є
        {0xAF, 0xBF},  // Ї ї
        {0xB2, 0xB3},  // І і
        {0xBD, 0xBE},  // Ѕ ѕ
    };
    for (const auto& pair : pairs) table[pair[0]] = pair[1];
    return table;
}

const FoldingTable& ProcessFoldingTable() {
    static const FoldingTable table = Cp1251FoldingTable();
    return table;
}

FoldedPattern::FoldedPattern(std::string_view pattern, const FoldingTable& table) : table_(&table) {
    folded_.reserve(pattern.size());
    for (char c : pattern) folded_.push_back(table[static_cast<unsigned char>(c)]);
    if (folded_.empty()) return;
    for (int b = 0; b < 256; ++b) {
        if (table[b] != folded_[0]) continue;
        if (firstByteCount_ < 4) firstBytes_[firstByteCount_] = static_cast<unsigned char>(b);
        ++firstByteCount_;
    }
}

bool FoldedPattern::FoundIn(std::string_view text) const noexcept {
    const size_t n = folded_.size();
    if (n == 0 || text.size() < n) return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t lastStart = text.size() - n;
    auto matchesAt = [&](size_t at) {
        for (size_t k = 1; k < n; ++k) {
            if ((*table_)[bytes[at + k]] != folded_[k]) return false;
        }
        return true;
    };
    if (firstByteCount_ == 1) {
        // Most patterns start with a byte that only folds from itself: let memchr find the candidates.
        size_t at = 0;
        while (at <= lastStart) {
            const void* hit = std::memchr(bytes + at, firstBytes_[0], lastStart - at + 1);
            if (hit == nullptr) return false;
            at = static_cast<size_t>(static_cast<const unsigned char*>(hit) - bytes);
            if (matchesAt(at)) return true;
            ++at;
        }
        return false;
    }
    for (size_t at = 0; at <= lastStart; ++at) {
        if ((*table_)[bytes[at]] == folded_[0] && matchesAt(at)) return true;
    }
    return false;
}

}  // namespace dd
