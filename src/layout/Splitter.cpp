#include "layout/Splitter.h"

#include <algorithm>
#include <cstdint>

namespace dd {
namespace {

constexpr int kBorderWidth = 2;

}  // namespace

Bounds SplitterZone(const ViewerLayout& layout, Dpi dpi) noexcept {
    const int border = dpi.Scale(kBorderWidth);
    return {layout.grid.left - border, layout.list.top, 2 * border, layout.list.height};
}

bool IsOnSplitter(int x, int y, const ViewerLayout& layout, Dpi dpi) noexcept {
    const Bounds zone = SplitterZone(layout, dpi);
    return x >= zone.left && x - zone.left < zone.width && y >= zone.top && y - zone.top < zone.height;
}

int DraggedListWidth(const SplitterDrag& drag, int x, int windowWidth, Dpi dpi) noexcept {
    const int64_t wanted = int64_t{drag.startListWidth} + x - drag.startX;
    return ClampListWidth(static_cast<int>(std::clamp<int64_t>(wanted, INT32_MIN, INT32_MAX)), windowWidth, dpi);
}

}  // namespace dd
