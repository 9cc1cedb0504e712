// Files that have the extension but are no dictionary (".dd" is also the usual name of raw disk
// images): declined by every load export without a box and without being read past their first
// 64 KB. What the plug-in reads is counted without timing: the test stands in for ReadFile in the
// plug-in's import table (byte-range locks would do on Windows, but Wine does not hold reads to them).
#include <cstring>
#include <functional>
#include <random>
#include <utility>

#include "platform/win32/WideText.h"
#include "windows/host/ListerInterface.h"
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

constexpr DWORD kProbeBytes = 64 * 1024;
constexpr DWORD kLargeFileBytes = 100 * 1024 * 1024;

using ReadFileFn = BOOL(WINAPI*)(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED);
ReadFileFn originalReadFile = nullptr;
uint64_t bytesRead = 0;

BOOL WINAPI CountingReadFile(HANDLE file, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED overlapped) {
    const BOOL done = originalReadFile(file, buffer, size, read, overlapped);
    if (done && read != nullptr) bytesRead += *read;
    return done;
}

// Counts the bytes that the plug-in reads through ReadFile while it lives, by taking ReadFile's place
// in the plug-in's import table.
class PluginReadCounter {
public:
    explicit PluginReadCounter(const std::string& pluginPath) : slot_(ReadFileSlot(pluginPath)) {
        originalReadFile = reinterpret_cast<ReadFileFn>(*slot_);
        Patch(reinterpret_cast<ULONG_PTR>(&CountingReadFile));
        bytesRead = 0;
    }
    ~PluginReadCounter() { Patch(reinterpret_cast<ULONG_PTR>(originalReadFile)); }
    PluginReadCounter(const PluginReadCounter&) = delete;
    PluginReadCounter& operator=(const PluginReadCounter&) = delete;

    uint64_t Take() const { return std::exchange(bytesRead, 0); }

private:
    static ULONG_PTR* ReadFileSlot(const std::string& pluginPath) {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(pluginPath.c_str()));
        if (base == nullptr) throw std::runtime_error("the plug-in is not loaded");
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); dll->Name != 0;
             ++dll) {
            if (_stricmp(reinterpret_cast<const char*>(base + dll->Name), "kernel32.dll") != 0) continue;
            auto* address = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
            const auto* name = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
            for (; address->u1.Function != 0; ++address, ++name) {
                if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
                const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), "ReadFile") == 0)
                    return reinterpret_cast<ULONG_PTR*>(&address->u1.Function);
            }
        }
        throw std::runtime_error("the plug-in does not import ReadFile from kernel32.dll");
    }
    void Patch(ULONG_PTR function) {
        DWORD protection = 0;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
        *slot_ = function;
        VirtualProtect(slot_, sizeof *slot_, protection, &protection);
    }

    ULONG_PTR* slot_;
};

// Writes `size` random bytes (a disk image, as far as the plug-in can tell) with `start` at their
// beginning, and deletes the file when it goes.
class RandomFile {
public:
    RandomFile(const std::string& path, const std::string& start, DWORD size) : path_(path) {
        const HANDLE file =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot make " + path);
        std::mt19937 random(2024);
        std::string chunk(1 << 20, '\0');
        bool written = true;
        for (DWORD done = 0; done < size && written;) {
            for (char& byte : chunk) byte = static_cast<char>(random());
            if (done == 0) chunk.replace(0, start.size(), start);
            const DWORD count = std::min<DWORD>(static_cast<DWORD>(chunk.size()), size - done);
            DWORD wrote = 0;
            written = ::WriteFile(file, chunk.data(), count, &wrote, nullptr) && wrote == count;
            done += count;
        }
        CloseHandle(file);
        if (!written) throw std::runtime_error("cannot write " + path);
    }
    ~RandomFile() { DeleteFileA(path_.c_str()); }
    RandomFile(const RandomFile&) = delete;
    RandomFile& operator=(const RandomFile&) = delete;

private:
    std::string path_;
};

TEST_F(PluginTest, ARandom100MbFileNamedDdIsDeclinedByEveryLoadWithoutABoxAndWithoutBeingReadWhole) {
    const std::string folder = MakeTempFolder();
    const std::string path = folder + "x.dd";
    const RandomFile image(path, "", kLargeFileBytes);
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    const std::vector<std::string> shown = ListTexts(ListOf(viewer));
    MessageBoxCatcher boxes;
    const PluginReadCounter reads(PluginPath());
    auto other = MakeLister();
    struct Case {
        const char* name;
        std::function<bool()> declines;
    };
    const Case cases[] = {
        {"ListLoad", [&] { return other->Load(path) == nullptr; }},
        {"ListLoadW", [&] { return Plugin().LoadW(other->Handle(), WideFromAnsi(path)) == nullptr; }},
        {"ListLoadNext", [&] { return Plugin().LoadNext(lister->Handle(), viewer, path) == host::kPluginError; }},
        {"ListLoadNextW",
         [&] { return Plugin().LoadNextW(lister->Handle(), viewer, WideFromAnsi(path)) == host::kPluginError; }},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.declines()) << c.name;
        EXPECT_LE(reads.Take(), kProbeBytes) << c.name;
        EXPECT_TRUE(boxes.Take().empty()) << c.name;
    }
    EXPECT_EQ(ListTexts(ListOf(viewer)), shown) << "the viewer shows its own file still";
    EXPECT_EQ(PluginWindowCount(), 3) << "the sample's viewer: its form, its grid and its list's tooltip";
    lister->ClosePlugin();
}

// The count does see a plug-in that reads on: a file with a table marker in its first 64 KB is read
// whole and opened, as before.
TEST_F(PluginTest, AFileWithATableMarkerInItsFirst64KbIsReadWholeAsBefore) {
    const std::string folder = MakeTempFolder();
    const RandomFile marked(folder + "x.dd", "#==TABLE no 1\r\n#\r\nT=SC1|Big|SC1|SC1.DBF|X\r\n#\r\n", 2 * kProbeBytes);
    MessageBoxCatcher boxes;
    auto lister = MakeLister();
    const PluginReadCounter reads(PluginPath());
    EXPECT_NE(lister->Load(folder + "x.dd"), nullptr);
    EXPECT_GE(reads.Take(), 2 * kProbeBytes);
    EXPECT_TRUE(boxes.Take().empty());
    lister->ClosePlugin();
}

TEST_F(PluginTest, FilesWithoutATableMarkerAreDeclinedQuietlyWhileFilesThatCannotBeReadStillSaySo) {
    const std::string folder = MakeTempFolder();
    CreateDirectoryA((folder + "folder.DD").c_str(), nullptr);
    struct Case {
        const char* name;
        std::string path;
        std::string box;  // empty: declined quietly
    };
    const Case cases[] = {
        {"empty", WriteFile(folder, "empty.DD", ""), ""},
        {"the marker in lower case", WriteFile(folder, "lower.DD", "line 1\r\n#==table no 1\r\nno marker\r\n"), ""},
        {"text only", WriteFile(folder, "text.DDS", std::string(200000, 'a')), ""},
        {"the marker only after the first 64 KB",
         WriteFile(folder, "late.DD", std::string(kProbeBytes, ' ') + "\r\n#==TABLE no 1\r\n"), ""},
        {"missing", folder + "missing.DD", "Open error:\rFile not found"},
        {"a folder", folder + "folder.DD", "Open error:\rFile access denied"},
    };
    MessageBoxCatcher boxes;
    for (const Case& c : cases) {
        auto lister = MakeLister();
        EXPECT_EQ(lister->Load(c.path), nullptr) << c.name;
        const auto caught = boxes.Take();
        if (c.box.empty()) {
            EXPECT_TRUE(caught.empty()) << c.name;
        } else {
            ASSERT_EQ(caught.size(), 1u) << c.name;
            EXPECT_EQ(caught[0].text, c.box) << c.name;
        }
    }
    EXPECT_EQ(PluginWindowCount(), 0);
}

}  // namespace
}  // namespace dd::test
