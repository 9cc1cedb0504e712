// Broken files opened twice in the same Wine session: through the plug-in, whose box reads
// "Open error:\r" and the message, and through ddview.exe list, whose stderr reads
// "ddview: FILE: " and the message. The plug-in's box keeps the viewer's own texts; ddview says in
// plain words what is wrong. A file without a table marker in its first 64 KB the plug-in declines
// without a box (the Lister then tries other plug-ins) while ddview says what is wrong with it.
#include <optional>
#include <random>

#include "support/TestPaths.h"
#include "windows/support/OutputTestSupport.h"

namespace dd::test {
namespace {

// What one way of opening said: its message, or nothing when the file opened or was declined.
struct Opened {
    std::optional<std::string> message;
    bool declined = false;  // the plug-in did not take the file and said nothing
};

// Owns a handle of the test's own.
struct OwnedHandle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    ~OwnedHandle() {
        if (handle != INVALID_HANDLE_VALUE && handle != nullptr) CloseHandle(handle);
    }
};

// Runs ddview.exe list FILE with its standard error in a pipe and its output thrown away.
Opened OpenWithDdview(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    OwnedHandle readEnd;
    OwnedHandle writeEnd;
    if (!CreatePipe(&readEnd.handle, &writeEnd.handle, &inherit, 0)) throw std::runtime_error("no pipe");
    SetHandleInformation(readEnd.handle, HANDLE_FLAG_INHERIT, 0);
    OwnedHandle nothing{CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr)};
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nothing.handle;
    startup.hStdOutput = nothing.handle;
    startup.hStdError = writeEnd.handle;
    std::string commandLine = "\"";
    commandLine.append(TestPath(DD_DDVIEW_PATH)).append("\" list \"").append(path).append("\"");
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process)) {
        throw std::runtime_error("cannot start ddview.exe: error " + std::to_string(GetLastError()));
    }
    OwnedHandle processHandle{process.hProcess};
    OwnedHandle threadHandle{process.hThread};
    CloseHandle(std::exchange(writeEnd.handle, INVALID_HANDLE_VALUE));  // the pipe ends with the program
    std::string error;
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(readEnd.handle, buffer, sizeof buffer, &count, nullptr) && count > 0) error.append(buffer, count);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    if (status == 0) {
        EXPECT_EQ(error, "") << path;
        return {};
    }
    EXPECT_EQ(status, 1u) << path << ": " << error;
    const std::string prefix = "ddview: " + path + ": ";
    EXPECT_EQ(error.rfind(prefix, 0), 0u) << error;
    std::string message = error.substr(std::min(prefix.size(), error.size()));
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    return {message};
}

// Opens the file in a Lister window of the plug-in and closes what opened.
Opened OpenWithPlugin(host::ListerWindow& lister, const std::string& path) {
    DialogDriver dialogs;
    const HWND viewer = lister.Load(path);
    const auto boxes = dialogs.TakeBoxes();
    if (viewer != nullptr) {
        EXPECT_TRUE(boxes.empty()) << path;
        lister.ClosePlugin();
        return {};
    }
    if (boxes.empty()) return {std::nullopt, true};
    EXPECT_EQ(boxes.size(), 1u) << path;
    const std::string prefix = "Open error:\r";
    EXPECT_EQ(boxes[0].text.rfind(prefix, 0), 0u) << boxes[0].text;
    return {boxes[0].text.substr(std::min(prefix.size(), boxes[0].text.size()))};
}

std::string Garbage(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

TEST_F(PluginTest, DdviewAndThePluginEachSayWhatIsWrongWithABrokenFile) {
    const std::string folder = FreshFolder();
    CreateDirectoryA((folder + "folder.DD").c_str(), nullptr);
    struct Case {
        const char* name;
        std::string path;
        std::optional<std::string> plugin;  // the box's message; nothing when it opens or declines
        std::optional<std::string> ddview;  // ddview's message; nothing when it lists the file
        bool pluginDeclines = false;        // no box and no viewer: the Lister tries other plug-ins
    };
    const std::string noMarker = "not a data dictionary: no table marker (\"#==TABLE no\") in its first 64 KB";
    const std::string listError = "List index out of bounds (-1)";
    std::vector<Case> cases = {
        {"missing", folder + "missing.DD", "File not found", "File not found"},
        {"folder", folder + "folder.DD", "File access denied",
         "this is a folder; name the file in it, such as " + folder + "folder.DD\\1Cv7.DD"},
        {"empty", WriteFile(folder, "empty.DD", ""), std::nullopt, noMarker, true},
        {"blank only", WriteFile(folder, "blank.DDS", "   \r\n\t\r\n \x1A \r\n"), std::nullopt, noMarker, true},
        {"binary garbage", WriteFile(folder, "garbage.DD", Garbage(65536, 7)), std::nullopt, noMarker, true},
        {"no marker", WriteFile(folder, "no-marker.DD", "line 1\r\n#==table no 1\r\nno marker in this file\r\n"),
         std::nullopt, noMarker, true},
        {"a marker after the text's end", WriteFile(folder, "no-table.DD", "line 1\r\n\x1A\r\n#==TABLE no 1\r\n"),
         listError, "not a data dictionary: it holds no table"},
        {"locked for writing", WriteFile(folder, "locked.DD", "#==TABLE no 1\r\n\r\nT|Table|X|Y\r\n"), "I/O error 32",
         "I/O error 32"},
    };
    // Whatever the hostile fixtures hold: both ways must agree on them too.
    const std::string fixtures = TestPath(std::string(DD_FIXTURES_DIR) + "/hostile/");
    for (const std::string& name : FolderNames(fixtures)) {
        cases.push_back({"fixture", fixtures + name, std::nullopt, std::nullopt});
    }
    OwnedHandle writer{CreateFileA((folder + "locked.DD").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    ASSERT_NE(writer.handle, INVALID_HANDLE_VALUE);

    auto lister = MakeLister();
    for (const Case& c : cases) {
        const Opened plugin = OpenWithPlugin(*lister, c.path);
        const Opened ddview = OpenWithDdview(c.path);
        EXPECT_EQ(plugin.declined, c.pluginDeclines) << c.name << ": " << c.path;
        EXPECT_EQ(plugin.message, c.plugin) << c.name << ": " << c.path;
        EXPECT_EQ(ddview.message, c.ddview) << c.name << ": " << c.path;
    }
    EXPECT_EQ(PluginWindowCount(), 0);
    CloseHandle(std::exchange(writer.handle, INVALID_HANDLE_VALUE));
    RemoveFolder(folder);
}

}  // namespace
}  // namespace dd::test
