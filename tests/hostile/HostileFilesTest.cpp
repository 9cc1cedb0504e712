#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "dictionary/Error.h"
#include "dictionary/GridModel.h"
#include "platform/FileReading.h"
#include "support/TestPaths.h"
#include "viewmodel/DictionaryView.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#endif

namespace dd {
namespace {

const std::string kListError = "List index out of bounds (-1)";
const std::string kNotEnoughMemory = "I/O error 8";

// A 32-bit build has 4 GB of address space at most.
constexpr bool kThirtyTwoBits = sizeof(void*) == 4;
constexpr uintmax_t kGiB = uintmax_t{1} << 30;

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::random_device device;
        path_ = std::filesystem::temp_directory_path() / ("dd-hostile-" + std::to_string(device()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Writes `count` copies of `piece`, then `tail`, without holding the whole file in memory.
void WriteRepeated(const std::string& path, const std::string& piece, size_t count, const std::string& tail = "") {
    std::ofstream out(path, std::ios::binary);
    std::string chunk;
    const size_t perChunk = std::max<size_t>(1, (size_t{1} << 20) / std::max<size_t>(piece.size(), 1));
    for (size_t i = 0; i < perChunk; ++i) chunk += piece;
    for (size_t written = 0; written < count; written += perChunk) {
        const size_t pieces = std::min(perChunk, count - written);
        out.write(chunk.data(), static_cast<std::streamsize>(pieces * piece.size()));
    }
    out << tail;
    ASSERT_TRUE(out.good()) << path;
}

struct Opened {
    DictionaryView view;
    const TableListModel& list = view.List();
    const GridModel& grid = view.Grid();
    std::string error;

    explicit Opened(const std::string& path) {
        try {
            view.Open(path);
        } catch (const Error& e) {
            error = e.Message();
        }
    }
    void Show(int32_t entry) { view.SelectTable(entry); }
};

// Three million marker lines: every third one opens a block (the two after it are its own lines),
// so a million tables, all listed under an empty description; the last one shows as well as the first.
TEST(HostileFiles, AMillionTablesOfMarkerLinesAlone) {
    TempFolder folder;
    const std::string path = folder.File("1Cv7.DD");
    WriteRepeated(path, "#==TABLE no\r\n", 3'000'000);
    Opened opened(path);
    ASSERT_EQ(opened.error, "");
    ASSERT_EQ(opened.list.EntryCount(), 1'000'000);
    EXPECT_EQ(opened.list.EntryText(0), "");
    EXPECT_EQ(opened.list.EntryText(999'999), "");
    EXPECT_EQ(opened.view.Lines().LineCount(), 3'000'000);
    opened.Show(999'999);
    EXPECT_EQ(opened.grid.RowCount(), 2);
    EXPECT_EQ(opened.list.EntryTableLine(999'999), 2'999'999);
}

// One line of 100 MB without a line end: no table, or one table when the marker ends the line.
TEST(HostileFiles, OneHundredMegabyteLineWithoutALineEnd) {
    constexpr size_t kSize = size_t{100} << 20;
    TempFolder folder;
    const std::string plain = folder.File("plain.DD");
    WriteRepeated(plain, "x", kSize);
    {
        Opened opened(plain);
        EXPECT_EQ(opened.error, kListError);
        ASSERT_EQ(opened.view.Lines().LineCount(), 1);
        EXPECT_EQ(opened.view.Lines().LineAt(0).size(), kSize);
    }
    const std::string marked = folder.File("marked.DDS");
    WriteRepeated(marked, " |", kSize / 2, "#==TABLE no 1");
    {
        Opened opened(marked);
        ASSERT_EQ(opened.error, "");
        ASSERT_EQ(opened.list.EntryCount(), 1);
        EXPECT_EQ(opened.list.EntryText(0), "");
        EXPECT_EQ(opened.view.Lines().LineCount(), 3);  // the line and the two read past the end
        EXPECT_EQ(opened.view.Lines().LineAt(0).size(), kSize + 12);
        EXPECT_EQ(opened.grid.RowCount(), 2);
    }
}

TEST(HostileFiles, AFileRemovedBeforeItIsRead) {
    TempFolder folder;
    const std::string path = folder.File("1Cv7.DD");
    std::ofstream(path) << "#==TABLE no 1\r\nx\r\nT|a|b|c\r\n";
    ASSERT_TRUE(Opened(path).error.empty());
    std::filesystem::remove(path);
    EXPECT_EQ(Opened(path).error, "File not found");
}

TEST(HostileFiles, AFolderGivenAsTheFile) {
    TempFolder folder;
    const std::string path = folder.File("1Cv7.DD");
    std::filesystem::create_directory(path);
    EXPECT_EQ(Opened(path).error, "File access denied");
}

#ifdef _WIN32

// Another program holds the file open for writing: the reader, sharing it for reading only, is refused.
TEST(HostileFiles, AFileLockedByAWriter) {
    TempFolder folder;
    const std::string path = folder.File("1Cv7.DD");
    std::ofstream(path) << "#==TABLE no 1\r\nx\r\nT|a|b|c\r\n";
    for (const DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
        const HANDLE writer =
            CreateFileA(path.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(writer, INVALID_HANDLE_VALUE);
        EXPECT_EQ(Opened(path).error, "I/O error 32") << "share mode " << share;
        CloseHandle(writer);
    }
    EXPECT_EQ(Opened(path).error, "");
}

#else

// A named pipe that no program writes to reads as an empty file; it does not wait for a writer.
TEST(HostileFiles, ANamedPipeWithoutAWriter) {
    TempFolder folder;
    const std::string path = folder.File("1Cv7.DD");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(Opened(path).error, kListError);
}

// A device is no dictionary: an endless one (/dev/zero) must not be read until memory runs out.
TEST(HostileFiles, ADeviceGivenAsTheFile) {
    EXPECT_EQ(Opened("/dev/zero").error, "File access denied");
    EXPECT_EQ(Opened("/dev/null").error, "File access denied");
}

// A file of the size that costs no disk: all of it one hole.
void MakeSparseFile(const std::string& path, uintmax_t size) {
    std::ofstream(path).close();
    std::filesystem::resize_file(path, size);
}

// What the reader did with a large file: the error it raised, and how far it read. A reader that
// begins to read is stopped after 64 MB, before it can fill the memory.
struct LargeFileRead {
    std::string error;
    size_t readSoFar = 0;
    bool stopped = false;
};

LargeFileRead ReadStoppingEarly(const std::string& path) {
    LargeFileRead read;
    try {
        ReadWholeFile(path, [&](std::string_view bytes) {
            read.readSoFar = bytes.size();
            if (read.readSoFar > (size_t{64} << 20)) throw std::runtime_error("read on");
        });
    } catch (const Error& error) {
        read.error = error.Message();
    } catch (const std::runtime_error&) {
        read.stopped = true;
    }
    return read;
}

// A file far larger than the machine's memory (a sparse one costs no disk) is refused before it is
// read, as Windows refuses to commit the memory for it; it is never read until memory runs out.
TEST(HostileFiles, AFileLargerThanMemoryIsRefusedBeforeItIsRead) {
    std::ifstream overcommit("/proc/sys/vm/overcommit_memory");
    int mode = 0;
    if (overcommit >> mode && mode == 1) GTEST_SKIP() << "the system grants any amount of memory";
    const auto pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGE_SIZE);
    ASSERT_GT(pages, 0);
    const auto memory = static_cast<uintmax_t>(pages) * static_cast<uintmax_t>(pageSize);

    TempFolder folder;
    const std::string path = folder.File("1Cv7.DD");
    MakeSparseFile(path, 4 * memory);
    const LargeFileRead read = ReadStoppingEarly(path);
    EXPECT_FALSE(read.stopped) << "the reader began to read a file larger than memory";
    EXPECT_EQ(read.error, kNotEnoughMemory) << "the file was read whole";
    EXPECT_EQ(read.readSoFar, 0u);
}

// Sizes no 32-bit address space holds: 3.5 GB (more than it has free in one piece), 4 GB less one
// byte (whose block, with its room for alignment, passes 4 GB) and 4 GB and one byte more (which a
// 32-bit size would wrap to 0 and 1). A 32-bit build refuses each before reading it, as a file too
// large for memory. A 64-bit one may refuse it too or begin to read it, but never takes it for a small file.
TEST(HostileFiles, AFileTooLargeForA32BitAddressSpaceIsRefusedThere) {
    TempFolder folder;
    const std::string path = folder.File("1Cv7.DD");
    for (const uintmax_t size : {kGiB * 7 / 2, 4 * kGiB - 1, 4 * kGiB, 4 * kGiB + 1}) {
        MakeSparseFile(path, size);
        const LargeFileRead read = ReadStoppingEarly(path);
        if (!kThirtyTwoBits && read.stopped) continue;  // reading on past 64 MB: the size was taken whole
        EXPECT_EQ(read.error, kNotEnoughMemory) << size;
        EXPECT_EQ(read.readSoFar, 0u) << size;
        if (kThirtyTwoBits) {
            EXPECT_EQ(Opened(path).error, kNotEnoughMemory) << size;
        }
    }
}

// Another program cuts the file short, or lengthens it, while it is read: what is there is taken.
TEST(HostileFiles, AFileThatChangesWhileItIsRead) {
    TempFolder folder;
    const std::string path = folder.File("1Cv7.DD");
    const std::string block = "#==TABLE no 1\r\nx\r\nT|a|b|c\r\n";
    struct Case {
        std::string name;
        uintmax_t newSize;
        size_t expectedSize;
    };
    const size_t fullSize = 3 * kReadStretch;
    for (const Case& c :
         {Case{"cut to nothing", 0, kReadStretch}, Case{"cut short", kReadStretch + 5, kReadStretch + 5},
          Case{"lengthened", 5 * kReadStretch, fullSize}}) {
        WriteRepeated(path, block, fullSize / block.size(), std::string(fullSize % block.size(), ' '));
        bool changed = false;
        const FileBytes bytes = ReadWholeFile(path, [&](std::string_view) {
            if (!changed) std::filesystem::resize_file(path, c.newSize);
            changed = true;
        });
        EXPECT_EQ(bytes.Size(), c.expectedSize) << c.name;
        EXPECT_EQ(bytes.View().substr(0, block.size()), block) << c.name;
    }
    // Removed while it is read: the open file is still read whole.
    WriteRepeated(path, block, fullSize / block.size());
    const FileBytes bytes = ReadWholeFile(path, [&](std::string_view) { std::filesystem::remove(path); });
    EXPECT_EQ(bytes.Size(), fullSize / block.size() * block.size());
}

#endif

#ifdef DD_DDVIEW_PATH

// What ddview says for a file, on standard error, and its exit status. A 32-bit build's program runs
// under the emulator the tests run under.
std::string DdviewMessage(const std::string& path) {
    const std::string command =
        std::string(DD_DDVIEW_EMULATOR) + " '" + DD_DDVIEW_PATH + "' list '" + path + "' 2>&1 >/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
    ::pclose(pipe);
    return output;
}

// The viewer shows "Open error:\r" and the load's message. ddview prints the same message after the path
// where it is the operating system's, and says in the user's words what is wrong where the viewer's box
// keeps its own text: a file that is no dictionary, a folder given as the file, a folder that is missing.
TEST(HostileFiles, DdviewSaysWhatIsWrongInTheUsersWords) {
    TempFolder folder;
    const std::string noMarker = "not a data dictionary: no table marker (\"#==TABLE no\") in its first 64 KB";
    struct Case {
        std::string name, bytes;
        std::string ddview;  // empty: the viewer's message
    };
    const Case files[] = {
        {"empty.DD", "", noMarker},
        {"blank.DD", " \r\n\t\r\n", noMarker},
        {"garbage.DD", std::string("\x00\x1A\xFF\r\r\x01", 6), noMarker},
        {"ctrl-z.DD", "\x1A#==TABLE no 1\r\nx\r\nT|a|b|c\r\n", "not a data dictionary: it holds no table"},
    };
    std::vector<std::pair<std::string, std::string>> paths;
    for (const Case& file : files) {
        paths.emplace_back(folder.File(file.name), file.ddview);
        std::ofstream(paths.back().first, std::ios::binary) << file.bytes;
    }
    paths.emplace_back(folder.File("missing.DD"), "");
    paths.emplace_back(folder.File("folder.DD"),
                       "this is a folder; name the file in it, such as " + folder.File("folder.DD") + "/1Cv7.DD");
    std::filesystem::create_directory(paths.back().first);
    paths.emplace_back(folder.File("no-folder/1Cv7.DD"), "no such folder: " + folder.File("no-folder"));
    paths.emplace_back("/dev/zero", "");
    const std::string pipe = folder.File("pipe.DD");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    paths.emplace_back(pipe, noMarker);
    // The viewer refuses it before it is read (a 64-bit build would read it whole); ddview reads a stream,
    // which needs no room for the file, and its first 64 KB hold no marker.
    if (kThirtyTwoBits) {
        paths.emplace_back(folder.File("4GB-and-1.DD"), noMarker);
        MakeSparseFile(paths.back().first, 4 * kGiB + 1);
    }

    for (const auto& [path, ddview] : paths) {
        const std::string error = Opened(path).error;
        ASSERT_FALSE(error.empty()) << path;
        EXPECT_EQ(DdviewMessage(path), "ddview: " + path + ": " + (ddview.empty() ? error : ddview) + "\n");
    }
}

#endif

}  // namespace
}  // namespace dd
