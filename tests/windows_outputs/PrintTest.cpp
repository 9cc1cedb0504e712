// "Печать" through the plug-in, on a system without a printer (as under Wine): the printer layer's
// message, each time the command is chosen, with the viewer going on working.
#include <windows.h>

#include <winspool.h>

#include "support/TestText.h"
#include "viewer/PopupMenu.h"
#include "windows/support/OutputTestSupport.h"

namespace dd::test {
namespace {

TEST_F(PluginTest, PrintingWithNoPrinterInstalledSaysSoEachTimeAndTheViewerStaysOpen) {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    if (size != 0) GTEST_SKIP() << "this system has a default printer";
    auto [older, olderViewer, olderList, olderGrid] = OpenSample("1Cv7.DD");
    auto [newer, newerViewer, newerList, newerGrid] = OpenSample("1Cv7.DDS");
    ASSERT_NE(olderViewer, nullptr);
    ASSERT_NE(newerViewer, nullptr);
    DialogDriver dialogs;
    for (const HWND viewer : {newerViewer, olderViewer, newerViewer}) {
        RunMenuCommand(viewer, N4);
        const auto boxes = dialogs.TakeBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Plugin Error:\rThere is no default printer currently selected");
        EXPECT_EQ(boxes[0].caption, "Message");
        EXPECT_EQ(boxes[0].buttons, 1);
        EXPECT_EQ(boxes[0].owner, newer->Handle());  // the route names the newest viewer
        EXPECT_TRUE(IsWindow(viewer));
    }
    EXPECT_TRUE(older->TakeKeys().empty());
    EXPECT_TRUE(newer->TakeKeys().empty());
    RunMenuCommand(olderViewer, N3);  // the viewer goes on working
    EXPECT_EQ(ReadClipboard().text, Cp(u8"Идентификатор"));
    EXPECT_TRUE(dialogs.TakeBoxes().empty());
}

// Names a default printer that is not installed, as a registry left behind by a removed printer
// does, for as long as it lives.
class GhostDefaultPrinter {
public:
    GhostDefaultPrinter() {
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_, nullptr);
        static const char kDevice[] = "Ghost printer,winspool,FILE:";
        RegSetValueExA(key_, "Device", 0, REG_SZ, reinterpret_cast<const BYTE*>(kDevice), sizeof kDevice);
    }
    ~GhostDefaultPrinter() { Remove(); }
    GhostDefaultPrinter(const GhostDefaultPrinter&) = delete;
    GhostDefaultPrinter& operator=(const GhostDefaultPrinter&) = delete;
    void Remove() {
        if (key_ == nullptr) return;
        RegDeleteValueA(key_, "Device");
        RegCloseKey(key_);
        key_ = nullptr;
    }

private:
    static constexpr char kKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
    HKEY key_ = nullptr;
};

TEST_F(PluginTest, APrinterWhoseDeviceContextCannotBeMadeIsNotValidAndStaysChosenWhileTheLibraryIsLoaded) {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    if (size != 0) GTEST_SKIP() << "this system has a default printer";
    GhostDefaultPrinter ghost;
    char name[256] = {};
    size = sizeof name;
    if (!GetDefaultPrinterA(name, &size)) GTEST_SKIP() << "the system does not take the registry's default printer";
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    DialogDriver dialogs;
    RunMenuCommand(viewer, N4);
    ghost.Remove();  // the printer found at the first print is kept, even when the system's default goes
    RunMenuCommand(viewer, N4);
    std::vector<std::string> texts;
    for (const CaughtBox& box : dialogs.TakeBoxes()) texts.push_back(box.text);
    EXPECT_EQ(texts, std::vector<std::string>(2, "Plugin Error:\rPrinter selected is not valid"));
    lister->ClosePlugin();

    // A library loaded afresh looks again, and finds none.
    Plugin().Unload();
    host::PluginLibrary reloaded(PluginPath());
    host::ListerWindowArgs args;
    args.plugin = &reloaded;
    host::ListerWindow again(args);
    const HWND fresh = again.Load(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(fresh, nullptr);
    RunMenuCommand(fresh, N4);
    const auto boxes = dialogs.TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Plugin Error:\rThere is no default printer currently selected");
    again.ClosePlugin();
}

}  // namespace
}  // namespace dd::test
