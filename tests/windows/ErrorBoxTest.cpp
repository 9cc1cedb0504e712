// The message boxes: what the user sees when a file cannot be opened, and when an event handler of
// an open viewer fails.
#include <thread>

#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

// A table marker in the first 64 KB, so the file is read whole, but only after the Ctrl-Z that ends
// its text: it holds no table.
const std::string kTableFree = "line 1\r\n\x1A\r\n#==TABLE no 1\r\n";

struct OpenCase {
    const char* name;
    std::string path;
    std::string text;
};

TEST_F(PluginTest, AFileThatCannotBeOpenedShowsOpenErrorOwnedByTheListerAndReturnsNoWindow) {
    const std::string folder = MakeTempFolder();
    const std::string tableFree = WriteFile(folder, "empty.DD", kTableFree);
    const std::string missingFolder = folder + "no such folder\\";
    const OpenCase cases[] = {
        {"missing file", folder + "missing.DD", "Open error:\rFile not found"},
        {"no tables", tableFree, "Open error:\rList index out of bounds (-1)"},
        {"folder that cannot be made current", missingFolder + "1Cv7.DD",
         "Open error:\rError of SetCurrentDir() for Folder: " + missingFolder},
        {"no folder at all", "1Cv7.DD", "Open error:\rError of SetCurrentDir() for Folder: "},
    };
    MessageBoxCatcher boxes;
    for (const OpenCase& c : cases) {
        auto lister = MakeLister();
        EXPECT_EQ(lister->Load(c.path), nullptr) << c.name;
        const auto caught = boxes.Take();
        ASSERT_EQ(caught.size(), 1u) << c.name;
        EXPECT_EQ(caught[0].text, c.text) << c.name;
        EXPECT_EQ(caught[0].caption, "Message") << c.name;
        EXPECT_EQ(caught[0].owner, lister->Handle()) << c.name;
        EXPECT_EQ(caught[0].buttons, 1) << c.name;
        EXPECT_EQ(PluginWindowCount(), 0) << c.name;  // nothing of the failed viewer remains
    }
}

TEST_F(PluginTest, AFileHeldOpenForWritingGivesIoError32) {
    const std::string folder = MakeTempFolder();
    const std::string path = WriteFile(folder, "1Cv7.DD", "#==TABLE no 1\r\n\r\nT|Table|X|Y\r\n");
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    MessageBoxCatcher boxes;
    auto lister = MakeLister();
    EXPECT_EQ(lister->Load(path), nullptr);
    CloseHandle(writer);
    const auto caught = boxes.Take();
    ASSERT_EQ(caught.size(), 1u);
    EXPECT_EQ(caught[0].text, "Open error:\rI/O error 32");
    EXPECT_EQ(lister->Load(path) != nullptr, true);  // once the writer is gone it opens
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(PluginTest, APathLongerThan259CharactersIsHandledWithoutHarm) {
    std::string folder = MakeTempFolder();
    while (folder.size() < 300) {
        folder += std::string(40, 'd') + "\\";
        CreateDirectoryA(("\\\\?\\" + folder).c_str(), nullptr);
    }
    const std::string path = folder + "1Cv7.DD";
    MessageBoxCatcher boxes;
    auto lister = MakeLister();
    const HWND viewer = lister->Load(path);  // the file does not exist
    EXPECT_EQ(viewer, nullptr);
    const auto caught = boxes.Take();
    ASSERT_EQ(caught.size(), 1u);
    EXPECT_EQ(caught[0].text.rfind("Open error:\r", 0), 0u) << caught[0].text;
    EXPECT_EQ(PluginWindowCount(), 0);
}

// A selection notification while nothing is selected makes LBClick fail with the list error.
void FailLBClick(HWND viewer) { ChooseTable(viewer, -1); }

TEST_F(PluginTest, AFailingEventHandlerShowsPluginErrorOwnedByTheNewestViewerWhichStaysOpen) {
    auto [older, olderViewer, olderList, olderGrid] = OpenSample("1Cv7.DD");
    auto [newer, newerViewer, newerList, newerGrid] = OpenSample("1Cv7.DDS");
    ASSERT_NE(olderViewer, nullptr);
    ASSERT_NE(newerViewer, nullptr);
    MessageBoxCatcher boxes;

    FailLBClick(olderViewer);
    auto caught = boxes.Take();
    ASSERT_EQ(caught.size(), 1u);
    EXPECT_EQ(caught[0].text, "Plugin Error:\rList index out of bounds (-1)");
    EXPECT_EQ(caught[0].caption, "Message");
    // A box owned by a child window belongs to that window's top-level window: the newest Lister.
    EXPECT_EQ(caught[0].owner, newer->Handle());
    EXPECT_TRUE(IsWindow(olderViewer));
    PressKey(ListOf(olderViewer), VK_DOWN);  // the viewer goes on working
    EXPECT_EQ(ListSelection(ListOf(olderViewer)), 0);
    EXPECT_EQ(ReadGrid(GridOf(olderViewer)).rowCount > 1, true);

    // Once the newest viewer is closed, the route no longer uses it or its window.
    newer->ClosePlugin();
    FailLBClick(olderViewer);
    caught = boxes.Take();
    ASSERT_EQ(caught.size(), 1u);
    EXPECT_EQ(caught[0].text, "Plugin Error:\rList index out of bounds (-1)");
    EXPECT_EQ(caught[0].owner, nullptr);
    older->ClosePlugin();
}

// Windows refuses to destroy a window from a thread that did not make it, so ListCloseWindow called
// from another thread makes the teardown fail.
TEST_F(PluginTest, AFailedTeardownShowsDestroyWindowErrorWithNoOwnerAndLetsGoOfTheViewer) {
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    std::vector<CaughtBox> caught;
    std::thread([&] {
        MessageBoxCatcher boxes;
        Plugin().Close(viewer);
        caught = boxes.Take();
    }).join();
    ASSERT_EQ(caught.size(), 1u);
    EXPECT_EQ(caught[0].text.rfind("DestroyWindow error:\rSystem Error.  Code: 5.\r\n", 0), 0u) << caught[0].text;
    EXPECT_EQ(caught[0].caption, "Message");
    EXPECT_EQ(caught[0].owner, nullptr);
    EXPECT_TRUE(IsWindow(viewer));  // it outlived the failed teardown, detached from the plug-in
    EXPECT_EQ(GetWindowLongPtrA(viewer, GWLP_USERDATA), 0);
    MessageBoxCatcher boxes;
    Plugin().Close(viewer);  // the link is gone: nothing more happens
    SendMessageA(viewer, WM_PAINT, 0, 0);
    lister->Destroy();
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(PluginWindowCount(), 0);
}

}  // namespace
}  // namespace dd::test
