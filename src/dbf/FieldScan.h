#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// Scans of a field's bytes that value decoding runs on every field of every row, defined in this header so that
// they are inlined into it. The padding is trimmed eight bytes at a time where the field is long enough: fields are
// mostly padding (a long text's tail, a number's head), and byte loops over it were most of the time that decoding a
// whole table took.
namespace dd {
// What the scans share.
namespace field_scan {

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;
// In a word, a byte is padding (a blank or a NUL) exactly where it is 0 once its 0x20 bit is cleared.
constexpr uint64_t kNotPaddingBits = 0xDFDFDFDFDFDFDFDFull;

inline bool IsPadding(char c) noexcept { return c == ' ' || c == '\0'; }
inline bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// The eight bytes at `at` with the first in the lowest byte, whatever the processor's byte order.
inline uint64_t LoadWord(const char* at) noexcept {
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
    return word;
}

// The high bit of each byte of the word that is a digit; meaningful for bytes below 0x80 only.
inline uint64_t Digits(uint64_t word) noexcept { return (word + kOnes * 0x50) & ~(word + kOnes * 0x46) & kHighBits; }

}  // namespace field_scan

// The bytes without their trailing blanks and NULs: the padding of a 'C' field.
inline std::string_view TrimDbfPadding(std::string_view bytes) noexcept {
    const char* data = bytes.data();
    size_t size = bytes.size();
    for (; size >= 8; size -= 8) {
        const uint64_t kept = field_scan::LoadWord(data + size - 8) & field_scan::kNotPaddingBits;
        // The last byte kept is the highest byte of the word that is not 0.
        if (kept != 0) return {data, size - static_cast<size_t>(std::countl_zero(kept)) / 8};
    }
    while (size > 0 && field_scan::IsPadding(data[size - 1])) --size;
    return {data, size};
}

// The bytes without their leading blanks and NULs.
inline std::string_view TrimLeadingDbfPadding(std::string_view bytes) noexcept {
    const char* data = bytes.data();
    size_t start = 0;
    for (; bytes.size() - start >= 8; start += 8) {
        const uint64_t kept = field_scan::LoadWord(data + start) & field_scan::kNotPaddingBits;
        if (kept != 0) return bytes.substr(start + static_cast<size_t>(std::countr_zero(kept)) / 8);
    }
    while (start < bytes.size() && field_scan::IsPadding(data[start])) ++start;
    return bytes.substr(start);
}

// Whether the text (a field without its padding at both ends) is a decimal number: [+-]digits[.digits], with at
// least one digit on either side of the point. Byte by byte: a word-at-a-time check of the whole field (every
// byte classified, the points, signs and padding counted) took half as long again as this loop over the few bytes
// of a trimmed number.
inline bool IsDbfNumber(std::string_view text) noexcept {
    size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    size_t digits = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        if (field_scan::IsDigit(text[at])) {
            ++digits;
        } else if (text[at] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

inline bool AreEightDigits(const char* at) noexcept {
    const uint64_t word = field_scan::LoadWord(at);
    return (word & field_scan::kHighBits) == 0 && field_scan::Digits(word) == field_scan::kHighBits;
}

}  // namespace dd
