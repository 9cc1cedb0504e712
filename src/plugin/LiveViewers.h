#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "plugin/PluginWindow.h"
#include "viewer/unMain.h"

namespace dd {

// A viewer whose teardown has not run yet: its window, the host link kept in the window's user data,
// and the form. The form is declared last so that it goes before its link, as it always has.
struct LiveViewer {
    HWND window = nullptr;
    std::unique_ptr<WindowLink> link;
    std::unique_ptr<TfmMain> form;
};

// The live viewers, which it owns, in the order they were opened. A teardown looks here first, so a
// handle whose viewer is gone (or that never was one) leads to nothing being read.
class LiveViewers {
public:
    // Makes room for one more viewer, so that the Add that follows cannot fail.
    void Reserve();
    void Add(LiveViewer viewer) noexcept;
    // Takes the viewer of the window off the list, to be torn down; none when the window is no live viewer's.
    std::optional<LiveViewer> Take(HWND window) noexcept;
    // The form of the window's viewer; none when the window is no live viewer's.
    TfmMain* Find(HWND window) const noexcept;
    bool Empty() const noexcept { return viewers_.empty(); }
    // The window of the viewer opened last; there must be one.
    HWND Newest() const noexcept { return viewers_.back().window; }

private:
    std::vector<LiveViewer> viewers_;
};

}  // namespace dd
