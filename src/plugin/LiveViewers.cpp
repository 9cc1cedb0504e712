#include "plugin/LiveViewers.h"

#include <algorithm>

namespace dd {

void LiveViewers::Reserve() { viewers_.reserve(viewers_.size() + 1); }

void LiveViewers::Add(LiveViewer viewer) noexcept { viewers_.push_back(std::move(viewer)); }

TfmMain* LiveViewers::Find(HWND window) const noexcept {
    const auto found =
        std::find_if(viewers_.begin(), viewers_.end(), [&](const LiveViewer& live) { return live.window == window; });
    return found != viewers_.end() ? found->form.get() : nullptr;
}

std::optional<LiveViewer> LiveViewers::Take(HWND window) noexcept {
    const auto found =
        std::find_if(viewers_.begin(), viewers_.end(), [&](const LiveViewer& live) { return live.window == window; });
    if (found == viewers_.end()) return std::nullopt;
    std::optional<LiveViewer> taken(std::move(*found));
    viewers_.erase(found);
    return taken;
}

}  // namespace dd
