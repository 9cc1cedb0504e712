#include <gtest/gtest.h>

#include <random>
#include <string>

#include "plugin/DictionaryProbe.h"
#include "support/TempFolder.h"

namespace dd {
namespace {

constexpr std::string_view kMarker = "#==TABLE no 0";

std::string RandomBytes(size_t size) {
    std::mt19937 random(12);
    std::string bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(random());
    return bytes;
}

// `size` bytes of filler with the marker's line "#==TABLE no 0" starting at offset `start`.
std::string MarkerAt(size_t start, size_t size) {
    std::string bytes(size, 'x');
    bytes.replace(start, kMarker.size(), kMarker);
    return bytes;
}

TEST(MayBeDictionary, LooksForTheTableMarkerInTheFirst64KB) {
    const test::TempFolder folder;
    ASSERT_EQ(kDictionaryProbeBytes, 65536u);
    const size_t probe = kDictionaryProbeBytes;
    const size_t marker = std::string_view("#==TABLE no").size();  // what is looked for, without the number
    struct Case {
        const char* name;
        std::string bytes;
        bool expected;
    };
    const Case cases[] = {
        {"empty", "", false},
        {"random bytes", RandomBytes(200000), false},
        {"text without the marker", std::string(100000, 'a'), false},
        {"a dictionary's start", "#AccWare Data Dictionary\r\n#\r\n" + std::string(kMarker) + "\r\n", true},
        {"the marker without its line start", "x #==TABLE no 12\n", true},
        {"only a part of the marker", "#==TABLE n\n", false},
        {"the marker in the last bytes of the first 64 KB", MarkerAt(probe - marker, probe + 100), true},
        {"the marker just beyond the first 64 KB", MarkerAt(probe, probe + 100), false},
        // Cut by the boundary, the marker is not seen: a dictionary has its first one within a few lines.
        {"the marker cut by the 64 KB boundary", MarkerAt(probe - marker + 1, probe + 100), false},
        {"a file of exactly 64 KB ending with the marker", std::string(probe - marker, 'x') + "#==TABLE no", true},
        {"the marker after random bytes", RandomBytes(1000) + "\n" + std::string(kMarker), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MayBeDictionary(folder.Write("1Cv7.DD", c.bytes)), c.expected);
    }
}

TEST(MayBeDictionary, LeavesAFileThatCannotBeReadToTheFullOpening) {
    const test::TempFolder folder;
    EXPECT_TRUE(MayBeDictionary(folder.File("missing.DD")));
    EXPECT_TRUE(MayBeDictionary(folder.File("no-folder/1Cv7.DD")));
    EXPECT_TRUE(MayBeDictionary(folder.Path()));
}

}  // namespace
}  // namespace dd
