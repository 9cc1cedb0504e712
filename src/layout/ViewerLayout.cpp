#include "layout/ViewerLayout.h"

#include <algorithm>
#include <cstdint>

#include "layout/GridGeometry.h"

namespace dd {
namespace {

constexpr int kMargin = 1;
constexpr int kListWidth = 230;
constexpr int kMinimumListWidth = 60;
constexpr int kMinimumGridWidth = 120;

int NotNegative(int64_t size) noexcept { return static_cast<int>(std::clamp<int64_t>(size, 0, INT32_MAX)); }

int ListHeight(int windowHeight, Dpi dpi) noexcept {
    return NotNegative(int64_t{windowHeight} - 2 * dpi.Scale(kMargin));
}

// The grid reaches from its left edge to the margin on the right.
int GridWidth(int windowWidth, int gridLeft, Dpi dpi) noexcept {
    return NotNegative(int64_t{windowWidth} - gridLeft - dpi.Scale(kMargin));
}

ViewerLayout SideBySide(int windowWidth, int windowHeight, int listWidth, Dpi dpi) noexcept {
    const int margin = dpi.Scale(kMargin);
    const int height = ListHeight(windowHeight, dpi);
    ViewerLayout layout;
    layout.list = {margin, margin, listWidth, height};
    layout.grid = {margin + listWidth, margin, GridWidth(windowWidth, margin + listWidth, dpi), height};
    return layout;
}

}  // namespace

int DefaultListWidth(Dpi dpi) noexcept { return dpi.Scale(kListWidth); }
int MinimumListWidth(Dpi dpi) noexcept { return dpi.Scale(kMinimumListWidth); }
int MinimumGridWidth(Dpi dpi) noexcept { return dpi.Scale(kMinimumGridWidth); }

int ClampListWidth(int listWidth, int windowWidth, Dpi dpi) noexcept {
    const int64_t widest = int64_t{windowWidth} - 2 * dpi.Scale(kMargin) - MinimumGridWidth(dpi);
    return static_cast<int>(std::max<int64_t>(std::min<int64_t>(listWidth, widest), MinimumListWidth(dpi)));
}

int RescaledListWidth(int listWidth, Dpi from, Dpi to) noexcept {
    if (from == to) return listWidth;
    return to.Scale(from.Unscale(listWidth));
}

ViewerLayout LayoutViewer(int windowWidth, int windowHeight, int listWidth, Dpi dpi) noexcept {
    return SideBySide(windowWidth, windowHeight, ClampListWidth(listWidth, windowWidth, dpi), dpi);
}

// A viewer opened in a small window is laid out as one resized to it, so that it opens with a usable grid.
ViewerLayout LayoutViewer(int windowWidth, int windowHeight, Dpi dpi) noexcept {
    return LayoutViewer(windowWidth, windowHeight, DefaultListWidth(dpi), dpi);
}

TableViewLayout LayoutTableView(int windowWidth, int windowHeight, Dpi dpi) noexcept {
    const int margin = dpi.Scale(kMargin);
    const int titleHeight = GridRowHeight(dpi) + 2 * GridTextMargin(dpi);
    const int width = std::max(windowWidth - 2 * margin, 0);
    TableViewLayout layout;
    layout.title = {margin, margin, width, std::min(titleHeight, std::max(windowHeight - 2 * margin, 0))};
    const int gridTop = margin + layout.title.height;
    layout.grid = {margin, gridTop, width, std::max(windowHeight - margin - gridTop, 0)};
    return layout;
}

}  // namespace dd
