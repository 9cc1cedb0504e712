#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "dictionary/Error.h"
#include "platform/FileReading.h"
#include "platform/FileWriting.h"
#include "support/TestPaths.h"

namespace dd {
namespace {

// The descriptors this process holds open.
int OpenDescriptorCount() {
    const std::filesystem::directory_iterator descriptors("/proc/self/fd");
    return static_cast<int>(std::distance(begin(descriptors), end(descriptors)));
}

// The input/output code of the error the call raises; 0 when it raises none.
template <typename Call>
int IoCodeOf(Call call) {
    try {
        call();
    } catch (const Error& error) {
        return error.IoCode();
    }
    return 0;
}

TEST(PosixFiles, FailedReadsReportTheirCodeAndLeaveNoDescriptorOpen) {
    struct Case {
        std::string path;
        int code;
    };
    const Case cases[] = {
        {"/dev/zero", 5},                                      // a device: never read
        {std::filesystem::temp_directory_path().string(), 5},  // a folder
        {test::TempPath("dd-no-such-file-here.DD"), 2},        // "File not found"
    };
    for (const Case& c : cases) {
        const int before = OpenDescriptorCount();
        EXPECT_EQ(IoCodeOf([&] { ReadWholeFile(c.path); }), c.code) << c.path;
        EXPECT_EQ(OpenDescriptorCount(), before) << c.path;
    }
}

TEST(PosixFiles, WrittenBytesReadBackWholeAndTheDescriptorsAreClosed) {
    const std::string path = test::TempPath("dd-posix-files-" + std::to_string(::getpid()) + ".txt");
    const std::string bytes = std::string("\xCF\xE5\xF7\xE0\xF2\xFC\r\n\0\x1A", 10) + std::string(3 << 20, 'y');
    const int before = OpenDescriptorCount();
    WriteWholeFile(path, bytes);
    EXPECT_EQ(ReadWholeFile(path).View(), bytes);
    EXPECT_EQ(OpenDescriptorCount(), before);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace dd
