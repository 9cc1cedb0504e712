#include <gtest/gtest.h>

#include <string>

#include "plugin/ListerPath.h"

namespace dd {
namespace {

TEST(HasDictionaryExtension, TakesDdAndDdsInAnyCaseAndNothingElse) {
    struct Case {
        const char* path;
        bool taken;
    };
    const Case cases[] = {
        {"C:\\base\\1Cv7.DD", true},
        {"C:\\base\\1Cv7.DDS", true},
        {"C:\\base\\1Cv7.dds", true},
        {"C:\\base\\x.dd", true},
        {"x.Dd", true},
        {"C:.dds", true},
        {"C:\\base\\1Cv7.DDS.bak", false},
        {"C:\\base\\1Cv7.D", false},
        {"C:\\base\\1Cv7.DDSX", false},
        {"C:\\a.DD\\file", false},
        {"C:\\base\\DD", false},
        {"", false},
        {"C:\\base\\.DD", true},
        {"C:a.DD:stream", false},
    };
    for (const Case& c : cases) EXPECT_EQ(HasDictionaryExtension(c.path), c.taken) << c.path;
}

TEST(FolderOf, KeepsThePathUpToItsLastSeparatorIncluded) {
    struct Case {
        const char* path;
        const char* folder;
    };
    const Case cases[] = {
        {"C:\\base\\1Cv7.DD", "C:\\base\\"},
        {"C:1Cv7.DD", "C:"},
        {"1Cv7.DD", ""},
        {"\\\\srv\\share\\x.DD", "\\\\srv\\share\\"},
    };
    for (const Case& c : cases) EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
}

TEST(CopyDetectString, NeverWritesPastTheHostsBuffer) {
    const std::string full(kDetectString);
    // The dictionaries, and a base's DBF tables, which the plug-in takes when their dictionary is beside them.
    ASSERT_EQ(full, "FORCE | EXT=\"DDS\" |EXT=\"DD\" |EXT=\"DBF\"");
    ASSERT_EQ(full.size(), 38u);
    struct Case {
        int maxlen;
        std::string written;
    };
    const Case cases[] = {{2048, full}, {39, full}, {38, full.substr(0, 37)}, {2, "F"}, {1, ""}};
    for (const Case& c : cases) {
        std::string buffer(64, '#');
        CopyDetectString(buffer.data(), c.maxlen);
        const size_t end = c.written.size();
        EXPECT_EQ(buffer.substr(0, end), c.written) << "maxlen " << c.maxlen;
        EXPECT_EQ(buffer[end], '\0') << "maxlen " << c.maxlen;
        EXPECT_EQ(buffer.find_first_not_of('#', end + 1), std::string::npos) << "maxlen " << c.maxlen;
    }
    for (int maxlen : {0, -5}) {
        std::string buffer(8, '#');
        CopyDetectString(buffer.data(), maxlen);
        EXPECT_EQ(buffer, std::string(8, '#'));
    }
}

}  // namespace
}  // namespace dd
