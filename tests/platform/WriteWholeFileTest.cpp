#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "dictionary/Error.h"
#include "platform/FileWriting.h"

namespace dd {
namespace {

namespace fs = std::filesystem;

// The descriptors this process holds open now.
int OpenDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

std::string ReadBack(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A fresh folder under the temporary folder, removed with its files.
class TempFolder {
public:
    TempFolder() : path_(fs::temp_directory_path() / ("ddplatform-" + std::to_string(::getpid()))) {
        fs::remove_all(path_);
        fs::create_directory(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

TEST(WriteWholeFile, RaisesTheWindowsCodeOfEachFailureAndLeavesNoDescriptorOpen) {
    const TempFolder folder;
    struct Case {
        const char* name;
        std::string path;
        std::string bytes;
        int code;
        std::string message;
    };
    const Case cases[] = {
        {"a device that is full at the first byte", "/dev/full", "x", kIoDiskFull, "Disk full"},
        {"a device that is full, a megabyte written", "/dev/full", std::string(1 << 20, 'x'), kIoDiskFull, "Disk full"},
        {"a folder that does not exist", (folder.Path() / "missing" / "t.txt").string(), "x", 3, "Invalid filename"},
        {"a folder given as the file", folder.Path().string(), "x", 5, "File access denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = OpenDescriptors();
        try {
            WriteWholeFile(c.path, c.bytes);
            ADD_FAILURE() << "no error raised";
        } catch (const Error& error) {
            EXPECT_EQ(error.IoCode(), c.code);
            EXPECT_EQ(error.Message(), c.message);
        }
        EXPECT_EQ(OpenDescriptors(), before);
    }
}

TEST(WriteWholeFile, WritesEveryByteAndReplacesALongerFile) {
    const TempFolder folder;
    const fs::path path = folder.Path() / "t.txt";
    const std::string first(3 << 20, '\x1A');
    const std::string second("a\0b\r\n\xFF", 6);
    const int before = OpenDescriptors();
    for (const std::string& bytes : {first, second}) {
        WriteWholeFile(path.string(), bytes);
        EXPECT_EQ(ReadBack(path), bytes);
        EXPECT_EQ(OpenDescriptors(), before);
    }
}

}  // namespace
}  // namespace dd
