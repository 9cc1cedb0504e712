// Opening a big dictionary in the viewer, as the Lister opens it, against the core's load of the same
// file in the same process:  ddopenbench PLUGIN FILE [RUNS]
// Each run loads the file with the core alone (DictionaryView::Open), then opens it through ListLoadW
// in a Lister window, paints it, shows it again through ListLoadNextW (the old list emptied, the new
// one filled) and closes it with ListCloseWindow; the best of RUNS runs (default 5) of each step is
// printed, in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "bench/WallClock.h"
#include "platform/win32/WideText.h"
#include "viewmodel/DictionaryView.h"
#include "windows/host/HostWindows.h"
#include "windows/host/PluginLibrary.h"

namespace {

using dd::bench::NowMs;

struct Best {
    double coreLoad = std::numeric_limits<double>::max();
    double listLoad = std::numeric_limits<double>::max();
    double listLoadPainted = std::numeric_limits<double>::max();
    double loadNext = std::numeric_limits<double>::max();
    double close = std::numeric_limits<double>::max();
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: ddopenbench PLUGIN FILE [RUNS]\n", stderr);
        return 2;
    }
    const std::wstring path = dd::WideFromAnsi(argv[2]);
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    try {
        dd::host::PluginLibrary plugin(argv[1]);
        // The Lister window is a child of the main window, so that no window manager takes part.
        dd::host::MainWindowStandIn mainWindow(false, {0, 0, 1100, 760});
        Best best;
        int32_t tables = 0;
        for (int run = 0; run < runs; ++run) {
            {
                const double start = NowMs();
                dd::DictionaryView view;
                view.Open(dd::Utf8FromWide(path));
                best.coreLoad = std::min(best.coreLoad, NowMs() - start);
                tables = view.List().EntryCount();
            }
            dd::host::ListerWindowArgs args;
            args.plugin = &plugin;
            args.parent = mainWindow.Handle();
            args.bounds = {0, 0, 1032, 600};
            dd::host::ListerWindow lister(args);
            const double start = NowMs();
            if (lister.LoadW(path) == nullptr) {
                std::fputs("ddopenbench: the plug-in did not open the file\n", stderr);
                return 1;
            }
            const double loaded = NowMs();
            RedrawWindow(lister.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            const double painted = NowMs();
            if (lister.LoadNextW(path) != 0) {
                std::fputs("ddopenbench: the plug-in did not show the file again\n", stderr);
                return 1;
            }
            RedrawWindow(lister.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            const double shownAgain = NowMs();
            lister.ClosePlugin();
            const double closed = NowMs();
            best.listLoad = std::min(best.listLoad, loaded - start);
            best.listLoadPainted = std::min(best.listLoadPainted, painted - start);
            best.loadNext = std::min(best.loadNext, shownAgain - painted);
            best.close = std::min(best.close, closed - shownAgain);
            dd::host::PumpMessages();
        }
        std::printf("tables                  %8d\n", tables);
        std::printf("core load               %8.1f ms\n", best.coreLoad);
        std::printf("ListLoadW               %8.1f ms  %.2f x core\n", best.listLoad, best.listLoad / best.coreLoad);
        std::printf("ListLoadW and painting  %8.1f ms  %.2f x core\n", best.listLoadPainted,
                    best.listLoadPainted / best.coreLoad);
        std::printf("ListLoadNextW (again)   %8.1f ms\n", best.loadNext);
        std::printf("ListCloseWindow         %8.1f ms\n", best.close);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ddopenbench: %s\n", error.what());
        return 1;
    }
}
