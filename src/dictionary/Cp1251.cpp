#include "dictionary/Cp1251.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace dd {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr unsigned char kUnassigned = 0x98;

// Unicode code points of the bytes 0x80 to 0xFF.
constexpr char32_t kHighHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The next code point of UTF-8 text, or nothing when the bytes there are not well-formed UTF-8.
std::optional<char32_t> NextCodePoint(std::string_view text, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size()) return std::nullopt;
    for (int k = 1; k < length; ++k) {
        if ((byte(pos + k) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte(pos + k) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    pos += static_cast<size_t>(length);
    return c;
}

}  // namespace

namespace {

// The UTF-8 bytes of every byte value, worked out once: converting is then one table look-up a byte.
struct Utf8Table {
    struct Entry {
        char bytes[3];
        unsigned char size;
    };
    Entry entries[256];
    static_assert(sizeof(Entry) == 4);

    explicit Utf8Table(bool forTerminal) {
        for (int byte = 0; byte < 256; ++byte) {
            char32_t c = byte < 0x80 ? static_cast<char32_t>(byte) : kHighHalf[byte - 0x80];
            if (forTerminal && (byte < 0x20 || byte == 0x7F || byte == kUnassigned)) c = kReplacement;
            std::string utf8;
            AppendUtf8(utf8, c);
            Entry& entry = entries[byte];
            entry.size = static_cast<unsigned char>(utf8.size());
            utf8.copy(entry.bytes, utf8.size());
        }
    }
};

}  // namespace

void AppendUtf8FromCp1251(std::string& out, std::string_view text, bool forTerminal) {
    static const Utf8Table plain(false), terminal(true);
    const Utf8Table& table = forTerminal ? terminal : plain;
    // Three bytes a byte at most. Past a third of the largest string (about 700 MB in 32 bits) that length
    // is refused, as std::string refuses it, before the product can wrap round (past 1.4 GB in 32 bits).
    const size_t start = out.size();
    if (text.size() > (out.max_size() - start - 1) / 3) throw std::length_error("Utf8FromCp1251");
    // Each entry is copied whole, its size byte too (one byte of room more), which the next one overwrites.
    out.resize(start + text.size() * 3 + 1);
    char* end = out.data() + start;
    for (char ch : text) {
        const Utf8Table::Entry& entry = table.entries[static_cast<unsigned char>(ch)];
        std::memcpy(end, &entry, sizeof entry);
        end += entry.size;
    }
    out.resize(static_cast<size_t>(end - out.data()));
}

std::string Utf8FromCp1251(std::string_view text, bool forTerminal) {
    std::string out;
    AppendUtf8FromCp1251(out, text, forTerminal);
    return out;
}

std::optional<std::string> Cp1251FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> c = NextCodePoint(text, pos);
        if (!c) return std::nullopt;
        if (*c < 0x80) {
            out.push_back(static_cast<char>(*c));
            continue;
        }
        int found = -1;
        for (int k = 0; k < 128 && found < 0; ++k) {
            if (kHighHalf[k] == *c && k + 0x80 != kUnassigned) found = k + 0x80;
        }
        if (found < 0) return std::nullopt;
        out.push_back(static_cast<char>(found));
    }
    return out;
}

char16_t Utf16OfCp1251(unsigned char byte) noexcept {
    if (byte < 0x80 || byte == kUnassigned) return static_cast<char16_t>(byte);
    return static_cast<char16_t>(kHighHalf[byte - 0x80]);
}

std::u16string Utf16FromCp1251(std::string_view text) {
    std::u16string out(text.size(), u'\0');
    for (size_t i = 0; i < text.size(); ++i) out[i] = Utf16OfCp1251(static_cast<unsigned char>(text[i]));
    return out;
}

std::optional<std::string> Cp1251FromUtf16(std::u16string_view text) {
    // Each character of the code page has one byte; anything else (surrogates included) has none.
    static const auto bytes = [] {
        std::array<int16_t, 0x10000> table;
        table.fill(-1);
        for (int byte = 0; byte < 256; ++byte)
            table[Utf16OfCp1251(static_cast<unsigned char>(byte))] = static_cast<int16_t>(byte);
        return table;
    }();
    std::string out(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const int16_t byte = bytes[text[i]];
        if (byte < 0) return std::nullopt;
        out[i] = static_cast<char>(byte);
    }
    return out;
}

}  // namespace dd
