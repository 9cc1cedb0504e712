#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

#include "dictionary/Cp1251.h"

#ifndef _WIN32
#include <sys/mman.h>
#endif

namespace dd {
namespace {

using namespace std::string_literals;

std::string Bytes(std::u8string_view utf8) { return {reinterpret_cast<const char*>(utf8.data()), utf8.size()}; }

TEST(Cp1251, ConvertsEveryAssignedByteBothWays) {
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98) continue;
        const std::string byte(1, static_cast<char>(b));
        const auto back = Cp1251FromUtf8(Utf8FromCp1251(byte));
        ASSERT_TRUE(back) << b;
        EXPECT_EQ(*back, byte) << b;
    }
    EXPECT_EQ(Utf8FromCp1251("\xD2\xEE\xE2\xE0\xF0\xFB \xA8\xB9"), Bytes(u8"Товары Ё№"));
}

TEST(Cp1251, ReplacesControlCharactersForTheTerminal) {
    EXPECT_EQ(Utf8FromCp1251("a\tb\x1B[2J\x98\x7F", true), Bytes(u8"a\uFFFDb\uFFFD[2J\uFFFD\uFFFD"));
    EXPECT_EQ(Utf8FromCp1251("a\tb", false), "a\tb");
}

#ifndef _WIN32

// In 32 bits three bytes for each byte of a 1.4 GB text pass 4 GB: the conversion refuses such a text
// as too long for a string instead of sizing its result by the wrapped product and writing past it.
// The text is a mapping of zero pages, readable but never written, so it costs no memory.
TEST(Cp1251, RefusesATextWhoseUtf8LengthPassesTheAddressSpace) {
    if (sizeof(size_t) > 4) GTEST_SKIP() << "no 64-bit text is that long";
    const size_t size = SIZE_MAX / 3 + 1;
    void* zeros = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (zeros == MAP_FAILED) GTEST_SKIP() << "no room for the text in this address space";
    const std::string_view text(static_cast<const char*>(zeros), size);
    EXPECT_THROW(Utf8FromCp1251(text, true), std::length_error);
    ::munmap(zeros, size);
}

#endif

TEST(Cp1251, RefusesTextThatIsNotUtf8OrNotInTheCodePage) {
    EXPECT_FALSE(Cp1251FromUtf8("\xD2\xEE"));  // Windows-1251 bytes, not UTF-8
    EXPECT_FALSE(Cp1251FromUtf8(Bytes(u8"日本")));
    EXPECT_FALSE(Cp1251FromUtf8("\xC0\x80"));      // an over-long zero
    EXPECT_FALSE(Cp1251FromUtf8("\xED\xA0\x80"));  // a surrogate
    EXPECT_EQ(*Cp1251FromUtf8(Bytes(u8"SP12 Цена")), "SP12 \xD6\xE5\xED\xE0");
}

TEST(Cp1251, ConvertsEveryByteToUtf16AndBackWithoutLoss) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::u16string wide = Utf16FromCp1251(byte);
        ASSERT_EQ(wide.size(), 1u);
        EXPECT_EQ(Cp1251FromUtf16(wide), byte) << b;
    }
    EXPECT_EQ(Utf16FromCp1251("\xD2\xEE\xE2\xE0\xF0\xFB \xA8\xB9\x88\x98"), u"Товары Ё№€\u0098");
}

TEST(Cp1251, RefusesUtf16ThatTheCodePageLacks) {
    EXPECT_EQ(Cp1251FromUtf16(u"SP12 Цена"), "SP12 \xD6\xE5\xED\xE0");
    for (const std::u16string& text : {u"日本"s, u"ไทย"s, u"\xD800"s, u"a\u00E9"s}) EXPECT_FALSE(Cp1251FromUtf16(text));
}

}  // namespace
}  // namespace dd
