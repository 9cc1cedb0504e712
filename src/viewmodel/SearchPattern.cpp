#include "viewmodel/SearchPattern.h"

#include <array>
#include <cstring>

namespace dd {
namespace {

constexpr std::array<bool, 256> MakeWordBytes() {
    std::array<bool, 256> word{};
    for (int b = '0'; b <= '9'; ++b) word[b] = true;
    for (int b = 'A'; b <= 'Z'; ++b) word[b] = true;
    for (int b = 'a'; b <= 'z'; ++b) word[b] = true;
    word['_'] = true;
    for (int b = 0xC0; b <= 0xFF; ++b) word[b] = true;  // А..я
    // The letters outside the main Cyrillic block: Ђ Ѓ ѓ Љ Њ Ќ Ћ Џ ђ љ њ ќ ћ џ Ў ў Ј Ґ Ё Є Ї І і ґ µ ё є ј Ѕ ѕ ї.
    constexpr unsigned char others[] = {0x80, 0x81, 0x83, 0x8A, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x9A, 0x9C,
                                        0x9D, 0x9E, 0x9F, 0xA1, 0xA2, 0xA3, 0xA5, 0xA8, 0xAA, 0xAF, 0xB2,
                                        0xB3, 0xB4, 0xB5, 0xB8, 0xBA, 0xBC, 0xBD, 0xBE, 0xBF};
    for (unsigned char b : others) word[b] = true;
    return word;
}

constexpr std::array<bool, 256> kWordBytes = MakeWordBytes();

FoldingTable IdentityTable() {
    FoldingTable table;
    for (int b = 0; b < 256; ++b) table[b] = static_cast<unsigned char>(b);
    return table;
}

}  // namespace

bool IsWordByte(unsigned char byte) noexcept { return kWordBytes[byte]; }

SearchPattern::SearchPattern(std::string_view text, bool matchCase, bool wholeWords)
    : fold_(matchCase ? IdentityTable() : Cp1251FoldingTable()), wholeWords_(wholeWords) {
    pattern_.reserve(text.size());
    for (char c : text) pattern_.push_back(fold_[static_cast<unsigned char>(c)]);
    std::array<int, 256> preimages{};
    for (int b = 0; b < 256; ++b) ++preimages[fold_[b]];
    for (size_t k = 1; k < pattern_.size(); ++k) {
        if (preimages[pattern_[k]] < preimages[pattern_[anchor_]]) anchor_ = k;
    }
    if (pattern_.empty()) return;
    for (int b = 0; b < 256; ++b) {
        if (fold_[b] != pattern_[anchor_]) continue;
        if (anchorByteCount_ < 2) anchorBytes_[anchorByteCount_] = static_cast<unsigned char>(b);
        ++anchorByteCount_;
    }
}

size_t SearchPattern::Find(std::string_view text, size_t from) const noexcept {
    const size_t n = pattern_.size();
    if (n == 0 || from > text.size() || text.size() - from < n) return std::string_view::npos;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    auto matchesAt = [&](size_t start) {
        for (size_t k = 0; k < n; ++k) {
            if (fold_[bytes[start + k]] != pattern_[k]) return false;
        }
        return true;
    };
    // Candidates are the places of the anchor byte, from `first` to `last` inclusive.
    const size_t first = from + anchor_;
    const size_t last = text.size() - n + anchor_;
    auto next = [&](unsigned char b, size_t at) -> size_t {
        if (at > last) return std::string_view::npos;
        const void* hit = std::memchr(bytes + at, b, last - at + 1);
        return hit == nullptr ? std::string_view::npos
                              : static_cast<size_t>(static_cast<const unsigned char*>(hit) - bytes);
    };
    if (anchorByteCount_ == 1) {
        for (size_t at = next(anchorBytes_[0], first); at != std::string_view::npos;
             at = next(anchorBytes_[0], at + 1)) {
            if (matchesAt(at - anchor_)) return at - anchor_;
        }
        return std::string_view::npos;
    }
    if (anchorByteCount_ == 2) {
        // A letter and its capital: memchr for each, taken in order of place.
        size_t at0 = next(anchorBytes_[0], first);
        size_t at1 = next(anchorBytes_[1], first);
        while (at0 != std::string_view::npos || at1 != std::string_view::npos) {
            const bool takeFirst = at0 < at1;  // npos is the largest size_t
            const size_t at = takeFirst ? at0 : at1;
            if (matchesAt(at - anchor_)) return at - anchor_;
            if (takeFirst) {
                at0 = next(anchorBytes_[0], at + 1);
            } else {
                at1 = next(anchorBytes_[1], at + 1);
            }
        }
        return std::string_view::npos;
    }
    for (size_t at = first; at <= last; ++at) {
        if (matchesAt(at - anchor_)) return at - anchor_;
    }
    return std::string_view::npos;
}

bool SearchPattern::IsWholeWordAt(std::string_view text, size_t at) const noexcept {
    const size_t end = at + pattern_.size();
    const bool startsWord = at == 0 || !IsWordByte(static_cast<unsigned char>(text[at - 1]));
    const bool endsWord = end == text.size() || !IsWordByte(static_cast<unsigned char>(text[end]));
    return startsWord && endsWord;
}

bool SearchPattern::MadeOf(std::string_view bytes) const noexcept {
    for (const unsigned char b : pattern_) {
        bool found = false;
        for (const char c : bytes) found = found || fold_[static_cast<unsigned char>(c)] == b;
        if (!found) return false;
    }
    return true;
}

bool SearchPattern::Holds(char byte) const noexcept {
    const unsigned char folded = fold_[static_cast<unsigned char>(byte)];
    for (const unsigned char b : pattern_)
        if (b == folded) return true;
    return false;
}

bool SearchPattern::FoundIn(std::string_view cell) const noexcept {
    for (size_t at = Find(cell, 0); at != std::string_view::npos; at = Find(cell, at + 1)) {
        if (!wholeWords_ || IsWholeWordAt(cell, at)) return true;
    }
    return false;
}

}  // namespace dd
