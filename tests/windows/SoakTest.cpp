// Many viewers one after the other, and a very large dictionary: nothing may pile up, and the list
// must cope with hundreds of thousands of tables. Figures are printed; only leaks fail.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "windows/support/LeakProbes.h"
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

// Opens a sample, paints it whole, and closes it again.
void Cycle(host::ListerWindow& lister, const std::string& path) {
    const HWND viewer = lister.Load(path);
    ASSERT_NE(viewer, nullptr);
    RedrawWindow(viewer, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PressKey(ListOf(viewer), VK_DOWN);
    lister.ClosePlugin();
}

TEST_F(PluginTest, ThreeHundredOpenCloseCyclesLeaveNoWindowGdiObjectOrMemoryBehind) {
    auto lister = MakeLister();
    const std::string sample = WindowsSamplePath("1Cv7.DD");
    for (int i = 0; i < 20; ++i) Cycle(*lister, sample);  // warm-up: caches, fonts, classes
    const size_t bytesBefore = PrivateBytes();
    const unsigned probeBefore = ProbeGdi();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 300; ++i) {
        Cycle(*lister, sample);
        if (HasFatalFailure()) return;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const size_t bytesAfter = PrivateBytes();
    const unsigned probeAfter = ProbeGdi();
    std::printf("soak: 300 cycles in %.1f s; private bytes %zu -> %zu; highest probe GDI slot %u -> %u\n", seconds,
                bytesBefore, bytesAfter, probeBefore, probeAfter);
    EXPECT_EQ(PluginWindowCount(), 0);
    // Each cycle makes two fonts, a bitmap and a memory DC: 300 leaked cycles would add over a thousand slots.
    EXPECT_LE(probeAfter, probeBefore + 16);
    // One leaked viewer costs at least its file's pages (64 KiB): 300 of them would be 19 MiB.
    EXPECT_LT(bytesAfter, bytesBefore + 2 * 1024 * 1024);
}

TEST(PluginUnload, LoadingAndUnloadingThePluginWithAViewerOpenLeavesNothingBehind) {
    host::MainWindowStandIn mainWindow(false);
    const std::string sample = WindowsSamplePath("1Cv7.DDS");
    MessageBoxCatcher boxes;
    for (int i = 0; i < 30; ++i) {
        host::PluginLibrary plugin(PluginPath());
        host::ListerWindowArgs args;
        args.plugin = &plugin;
        host::ListerWindow lister(args);
        ASSERT_NE(lister.Load(sample), nullptr) << "cycle " << i;  // the classes of the last load are gone
        plugin.Unload();
        EXPECT_EQ(PluginWindowCount(), 0) << "cycle " << i;
    }
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(PluginTest, ADictionaryOfTwoHundredThousandTablesIsListedWhole) {
    constexpr int kTables = 200000;
    std::string bytes;
    bytes.reserve(kTables * 120);
    for (int i = 0; i < kTables; ++i) {
        const std::string n = std::to_string(i);
        bytes += "#==TABLE no " + n + "\r\n# T" + n + "\r\nT=SC" + n + "|Table " + n + "|SC" + n + "|SC" + n +
                 ".DBF\r\n#\r\n#\r\nF=CODE|Code|C|8|0\r\n#\r\n";
    }
    const std::string path = WriteFile(MakeTempFolder(), "big.DD", bytes);
    auto lister = MakeLister();
    const auto start = std::chrono::steady_clock::now();
    const HWND viewer = lister->Load(path);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_NE(viewer, nullptr);
    std::printf("large dictionary: %d tables (%zu bytes) opened in %.2f s\n", kTables, bytes.size(), seconds);
    const HWND list = ListOf(viewer);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), kTables);
    PressKey(list, VK_END);
    EXPECT_EQ(CellText(GridOf(viewer), 0, 1), "SC199999.DBF");
    EXPECT_EQ(CellText(GridOf(viewer), 0, 2), "CODE");
    lister->ClosePlugin();
}

}  // namespace
}  // namespace dd::test
