#include <gtest/gtest.h>

#include <string>

#include "dictionary/Error.h"
#include "platform/FileReading.h"
#include "support/TempFolder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace dd {
namespace {

std::string Bytes(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

TEST(ReadFileStart, ReadsAtMostTheFirstBytes) {
    const test::TempFolder folder;
    struct Case {
        size_t fileSize;
        size_t maxBytes;
    };
    const Case cases[] = {
        {0, 16}, {10, 16}, {16, 16}, {17, 16}, {100000, 65536}, {65536, 65536}, {65535, 65536}, {5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fileSize << " bytes, at most " << c.maxBytes);
        const std::string bytes = Bytes(c.fileSize);
        const std::string path = folder.Write("file.dd", bytes);
        EXPECT_EQ(ReadFileStart(path, c.maxBytes), bytes.substr(0, c.maxBytes));
    }
}

// The same failures, with the same codes, as reading the file whole.
TEST(ReadFileStart, FailsAsReadingTheWholeFileDoes) {
    const test::TempFolder folder;
    const std::string paths[] = {folder.File("missing.dd"), folder.File("no-folder/missing.dd"), folder.Path()};
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        int wholeCode = 0;
        try {
            (void)ReadWholeFile(path);
        } catch (const Error& error) {
            wholeCode = error.IoCode();
        }
        ASSERT_NE(wholeCode, 0);
        try {
            (void)ReadFileStart(path, 100);
            ADD_FAILURE() << "read";
        } catch (const Error& error) {
            EXPECT_EQ(error.IoCode(), wholeCode);
        }
    }
}

#ifdef _WIN32
TEST(ReadFileStart, FailsOnAFileThatAnotherProgramHoldsLocked) {
    const test::TempFolder folder;
    const std::string path = folder.Write("locked.dd", "#==TABLE no 0\r\n");
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    int code = 0;
    try {
        (void)ReadFileStart(path, 100);
    } catch (const Error& error) {
        code = error.IoCode();
    }
    CloseHandle(lock);
    EXPECT_EQ(code, ERROR_SHARING_VIOLATION);
}
#endif

}  // namespace
}  // namespace dd
