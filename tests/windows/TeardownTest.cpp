// The end of a viewer: ListCloseWindow, the Lister window destroyed around it, the library unloaded
// with viewers open, Alt+X before the host closes; and several viewers open at once.
#include "support/TestText.h"
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

TEST_F(PluginTest, ListCloseWindowTearsTheViewerDownOnceAndAgainTouchesNothing) {
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    const LONG_PTR hostProcedure = GetWindowLongPtrA(viewer, GWLP_WNDPROC);
    EXPECT_NE(GetWindowLongPtrA(viewer, GWLP_USERDATA), 0);  // the link
    MessageBoxCatcher boxes;
    {
        MessageWatch destroy(viewer, WM_DESTROY);
        lister->ClosePlugin();
        EXPECT_EQ(destroy.Sent(), 1);
        // The form's own procedure was back before the window went, so the teardown could not restart.
        ASSERT_EQ(destroy.ProceduresSeen().size(), 1u);
        EXPECT_NE(destroy.ProceduresSeen()[0], hostProcedure);
    }
    EXPECT_FALSE(IsWindow(viewer));
    EXPECT_TRUE(IsWindow(lister->Handle()));
    EXPECT_EQ(PluginWindowCount(), 0);
    Plugin().Close(viewer);            // a viewer that is gone: nothing happens
    Plugin().Close(lister->Handle());  // not a viewer at all: nothing happens
    EXPECT_TRUE(IsWindow(lister->Handle()));
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(PluginTest, DestroyingTheListerWindowTearsTheViewerDownOnceThroughHostWndProc) {
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    const LONG_PTR hostProcedure = GetWindowLongPtrA(viewer, GWLP_WNDPROC);
    MessageBoxCatcher boxes;
    {
        MessageWatch destroy(viewer, WM_DESTROY);
        lister->Destroy();
        EXPECT_EQ(destroy.Sent(), 1);
        ASSERT_EQ(destroy.ProceduresSeen().size(), 1u);
        EXPECT_EQ(destroy.ProceduresSeen()[0], hostProcedure);
    }
    EXPECT_FALSE(IsWindow(viewer));
    EXPECT_EQ(PluginWindowCount(), 0);
    Plugin().Close(viewer);  // the host may still call it: nothing of the viewer is touched
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(PluginTest, OnlyATopLevelListerWindowGetsOneWmSetFocusPostedToTheViewer) {
    for (bool embedded : {false, true}) {
        auto lister = MakeLister(embedded);
        // The viewer's handle is known once ListLoad returns; what it posted waits in the queue till then.
        const HWND viewer = lister->Load(WindowsSamplePath("1Cv7.DD"));
        ASSERT_NE(viewer, nullptr);
        MessageWatch setFocus(viewer, WM_SETFOCUS);
        host::PumpMessages();
        EXPECT_EQ(setFocus.Posted(), embedded ? 0 : 1) << (embedded ? "embedded" : "top-level");
        lister->ClosePlugin();
    }
}

TEST_F(PluginTest, UnloadingTheLibraryTearsDownTheViewersStillOpen) {
    auto first = MakeLister();
    auto second = MakeLister(true);
    const HWND firstViewer = first->Load(WindowsSamplePath("1Cv7.DD"));
    const HWND secondViewer = second->Load(WindowsSamplePath("1Cv7.DDS"));
    ASSERT_NE(firstViewer, nullptr);
    ASSERT_NE(secondViewer, nullptr);
    SetFocus(secondViewer);
    PressKey(secondViewer, 'X', {false, false, true});  // Alt+X: the second viewer is no longer owned
    MessageBoxCatcher boxes;
    Plugin().Unload();
    EXPECT_FALSE(IsWindow(firstViewer));
    EXPECT_FALSE(IsWindow(secondViewer));
    EXPECT_TRUE(IsWindow(first->Handle()));
    EXPECT_EQ(PluginWindowCount(), 0);
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(PluginTest, AfterAltXTheHostsLaterTeardownStillRunsInFull) {
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    SetFocus(viewer);
    PressKey(viewer, 'X', {false, false, true});
    EXPECT_TRUE(IsWindow(viewer));
    MessageBoxCatcher boxes;
    lister->ClosePlugin();
    EXPECT_FALSE(IsWindow(viewer));
    EXPECT_EQ(PluginWindowCount(), 0);
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(PluginTest, SeveralViewersLiveSideBySideEachWithItsOwnDictionary) {
    const char* files[] = {"1Cv7.DD", "1Cv7.DDS", "1Cv7.DD"};
    std::vector<std::unique_ptr<host::ListerWindow>> listers;
    std::vector<HWND> viewers;
    for (const char* file : files) {
        listers.push_back(MakeLister());
        viewers.push_back(listers.back()->Load(WindowsSamplePath(file)));
        ASSERT_NE(viewers.back(), nullptr) << file;
    }
    const std::string dbf = Cp(u8"Идентификатор DBF-таблицы");
    const std::string sql = Cp(u8"Идентификатор SQL-таблицы");
    // Each viewer keeps its own mode however many were opened after it.
    for (size_t i = 0; i < viewers.size(); ++i) {
        PressKey(ListOf(viewers[i]), VK_DOWN);
        EXPECT_EQ(ListSelection(ListOf(viewers[i])), 1) << i;
        EXPECT_EQ(CellText(GridOf(viewers[i]), 1, 1), i == 1 ? sql : dbf) << i;
    }
    listers[1]->ClosePlugin();
    EXPECT_FALSE(IsWindow(viewers[1]));
    for (size_t i : {size_t{0}, size_t{2}}) {
        PressKey(ListOf(viewers[i]), VK_DOWN);
        EXPECT_EQ(ListSelection(ListOf(viewers[i])), 2) << i;
        EXPECT_EQ(CellText(GridOf(viewers[i]), 1, 1), dbf) << i;
    }
    listers[0]->Destroy();
    listers[2]->ClosePlugin();
    EXPECT_EQ(PluginWindowCount(), 0);
}

}  // namespace
}  // namespace dd::test
