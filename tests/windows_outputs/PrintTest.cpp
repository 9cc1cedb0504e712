// "Печать" through the plug-in, on a system without a printer (as under Wine): the printer layer's
// message, each time the command is chosen, with the viewer going on working.
#include <windows.h>

#include <winspool.h>

#include "OutputTestSupport.h"
#include "TestText.h"
#include "viewer/PopupMenu.h"

namespace dd::test {
namespace {

TEST_F(PluginTest, PrintingWithNoPrinterInstalledSaysSoEachTimeAndTheViewerStaysOpen) {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    if (size != 0) GTEST_SKIP() << "this system has a default printer";
    auto older = MakeLister();
    auto newer = MakeLister();
    const HWND olderViewer = older->Load(WindowsSamplePath("1Cv7.DD"));
    const HWND newerViewer = newer->Load(WindowsSamplePath("1Cv7.DDS"));
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

}  // namespace
}  // namespace dd::test
