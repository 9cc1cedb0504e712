#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "dictionary/Error.h"
#include "platform/FileReading.h"
#include "support/TempFolder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace dd {
namespace {

std::string Bytes(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

std::string ReadAt(RandomAccessSource& source, uint64_t offset, size_t size) {
    std::string bytes(size, '\0');
    bytes.resize(source.ReadAt(offset, bytes.data(), size));
    return bytes;
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

TEST(RandomAccessFile, ReadsAnyStretchUpToTheEnd) {
    const test::TempFolder folder;
    const std::string bytes = Bytes(300000);
    const auto source = OpenRandomAccessFile(folder.Write("SC167.DBF", bytes));
    EXPECT_EQ(source->Size(), bytes.size());
    struct Case {
        uint64_t offset;
        size_t size;
    };
    const Case cases[] = {{0, 32},     {32, 0},     {299990, 10},   {299990, 100},
                          {300000, 5}, {400000, 5}, {1000, 250000}, {0, 300000}};
    for (const Case& c : cases) {
        const std::string expected = c.offset < bytes.size() ? bytes.substr(c.offset, c.size) : "";
        EXPECT_EQ(ReadAt(*source, c.offset, c.size), expected) << c.offset << "+" << c.size;
    }
    // Reads out of order: nothing depends on where the read before ended.
    EXPECT_EQ(ReadAt(*source, 5000, 3), bytes.substr(5000, 3));
    EXPECT_EQ(ReadAt(*source, 7, 3), bytes.substr(7, 3));
}

TEST(RandomAccessFile, FailsAsReadingTheWholeFileDoes) {
    const test::TempFolder folder;
    const std::string paths[] = {folder.File("missing.dbf"), folder.File("no-folder/missing.dbf"), folder.Path()};
    for (const std::string& path : paths) {
        const int wholeCode = IoCodeOf([&] { ReadWholeFile(path); });
        ASSERT_NE(wholeCode, 0) << path;
        EXPECT_EQ(IoCodeOf([&] { OpenRandomAccessFile(path); }), wholeCode) << path;
    }
}

// The platform appends records while a table is shown.
TEST(RandomAccessFile, SeesTheFileGrowWhileItIsOpen) {
    const test::TempFolder folder;
    const std::string path = folder.Write("DT3050.DBF", "header");
    const auto source = OpenRandomAccessFile(path);
    EXPECT_EQ(source->Size(), 6u);
    std::ofstream(path, std::ios::binary | std::ios::app) << " and a record";
    EXPECT_EQ(source->Size(), 19u);
    EXPECT_EQ(ReadAt(*source, 6, 100), " and a record");
}

#ifdef _WIN32
// The platform holds its tables open for writing while it runs, and may rewrite, rename or delete them.
TEST(RandomAccessFile, SharesTheFileWithAProgramThatWritesIt) {
    const test::TempFolder folder;
    const std::string path = folder.Write("SC167.DBF", "0123456789");
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    std::unique_ptr<RandomAccessSource> source;
    EXPECT_EQ(IoCodeOf([&] { source = OpenRandomAccessFile(path); }), 0);
    CloseHandle(writer);
    ASSERT_TRUE(source);
    EXPECT_EQ(ReadAt(*source, 2, 3), "234");

    // Opened by us, the file still takes another program's writing handle, and its deletion.
    HANDLE second = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(second, INVALID_HANDLE_VALUE);
    if (second != INVALID_HANDLE_VALUE) CloseHandle(second);
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}
#else
TEST(RandomAccessFile, RefusesAPipe) {
    const test::TempFolder folder;
    const std::string path = folder.File("pipe.dbf");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(IoCodeOf([&] { OpenRandomAccessFile(path); }), 5);
}
#endif

}  // namespace
}  // namespace dd
