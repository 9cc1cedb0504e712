// A base's big table in the viewer, as the Lister shows it:
//   ddtablebench PLUGIN TABLE NEXT_TABLE MISSING_TEXT [RUNS]
// TABLE and NEXT_TABLE are two tables of one base (their dictionary beside them). The empty viewer is the
// plug-in loaded with NEXT_TABLE (a small one) shown, closed again. Each run then opens TABLE through ListLoadW
// and paints it, goes to its last row with Ctrl+End and paints, looks for MISSING_TEXT (a text it does not
// hold) through ListSearchTextW from the start, shows NEXT_TABLE through ListLoadNextW (as N does) and paints,
// and closes. The best of RUNS runs (default 5) of each step is printed, in milliseconds, and the private
// memory after the last row was shown, above the empty viewer's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string>

#include "bench/WallClock.h"
#include "platform/win32/WideText.h"
#include "viewer/GridMessages.h"
#include "windows/host/HostWindows.h"
#include "windows/host/ListerInterface.h"
#include "windows/host/PluginCommands.h"
#include "windows/host/PluginLibrary.h"
#include "windows/host/ProcessMemory.h"

namespace {

using dd::bench::NowMs;

void PaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Ctrl and a key in the grid, as the keyboard gives them.
void PressWithCtrl(HWND grid, WPARAM key) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    SendMessageW(grid, WM_KEYDOWN, key, 1);
    state[VK_CONTROL] = 0;
    SetKeyboardState(state);
}

struct Step {
    const char* name;
    double best = std::numeric_limits<double>::max();
    void Take(double ms) { best = std::min(best, ms); }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: ddtablebench PLUGIN TABLE NEXT_TABLE MISSING_TEXT [RUNS]\n", stderr);
        return 2;
    }
    const std::wstring table = dd::WideFromAnsi(argv[2]);
    const std::wstring nextTable = dd::WideFromAnsi(argv[3]);
    const std::wstring missing = dd::WideFromAnsi(argv[4]);
    const int runs = argc > 5 ? std::max(1, std::atoi(argv[5])) : 5;
    try {
        dd::host::PluginLibrary plugin(argv[1]);
        const dd::host::PluginCommands commands(plugin);
        dd::host::MainWindowStandIn mainWindow(false, {0, 0, 1100, 760});
        dd::host::ListerWindowArgs args;
        args.plugin = &plugin;
        args.parent = mainWindow.Handle();
        args.bounds = {0, 0, 1032, 600};
        double coldOpen = 0;
        {
            dd::host::ListerWindow lister(args);
            const double start = NowMs();
            if (lister.LoadW(nextTable) == nullptr) throw std::runtime_error("the plug-in did not open NEXT_TABLE");
            PaintNow(lister.Handle());
            coldOpen = NowMs() - start;
            lister.ClosePlugin();
            dd::host::PumpMessages();
        }
        const size_t emptyViewer = dd::host::PrivateBytes();
        size_t aboveEmpty = 0;
        LRESULT rows = 0;
        Step open{"ListLoadW and painting"}, last{"Ctrl+End and painting"}, find{"ListSearchTextW, no hit"},
            next{"ListLoadNextW and painting"};
        double firstOpen = 0;
        for (int run = 0; run < runs; ++run) {
            dd::host::ListerWindow lister(args);
            double start = NowMs();
            const HWND viewer = lister.LoadW(table);
            if (viewer == nullptr) throw std::runtime_error("the plug-in did not open TABLE");
            PaintNow(lister.Handle());
            open.Take(NowMs() - start);
            if (run == 0) firstOpen = NowMs() - start;

            const HWND grid = FindWindowExW(viewer, nullptr, dd::grid::kClassName, nullptr);
            rows = SendMessageW(grid, dd::grid::kGetRowCount, 0, 0);
            start = NowMs();
            PressWithCtrl(grid, VK_END);
            PaintNow(lister.Handle());
            last.Take(NowMs() - start);
            if (SendMessageW(grid, dd::grid::kGetCurrentRow, 0, 0) != rows - 1)
                throw std::runtime_error("Ctrl+End did not reach the last row");
            aboveEmpty =
                std::max(aboveEmpty, dd::host::PrivateBytes() - std::min(emptyViewer, dd::host::PrivateBytes()));

            // A find from the start begins at the first row on screen: the table's first, after Ctrl+Home.
            PressWithCtrl(grid, VK_HOME);
            start = NowMs();
            if (commands.SearchTextW(viewer, missing, dd::host::kFindFirst) != dd::host::kPluginError)
                throw std::runtime_error("the missing text was found");
            find.Take(NowMs() - start);

            start = NowMs();
            if (lister.LoadNextW(nextTable) != dd::host::kPluginOk)
                throw std::runtime_error("the plug-in did not show NEXT_TABLE");
            PaintNow(lister.Handle());
            next.Take(NowMs() - start);
            lister.ClosePlugin();
            dd::host::PumpMessages();
        }
        std::printf("%-46s %9ld\n", "rows of TABLE", static_cast<long>(rows - 1));
        std::printf("%-46s %9.1f ms\n", "the first ListLoadW (NEXT_TABLE, its dictionary)", coldOpen);
        std::printf("%-46s %9.1f ms\n", "TABLE's first ListLoadW and painting", firstOpen);
        for (const Step& step : {open, last, find, next}) std::printf("%-46s %9.1f ms\n", step.name, step.best);
        std::printf("%-46s %9.1f MB\n", "private memory above the empty viewer",
                    static_cast<double>(aboveEmpty) / (1 << 20));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ddtablebench: %s\n", error.what());
        return 1;
    }
}
