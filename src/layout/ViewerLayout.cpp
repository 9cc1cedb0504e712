#include "layout/ViewerLayout.h"

#include <algorithm>

namespace dd {
namespace {

constexpr int kMargin = 1;
constexpr int kListWidth = 230;
constexpr int kGridLeft = kMargin + kListWidth;           // 231: the grid touches the list
constexpr int kGridWidthShortfall = kGridLeft + kMargin;  // 232: the grid's width is the window's less this
constexpr int kHeightShortfall = 2 * kMargin;

int ListHeight(int windowHeight) noexcept { return std::max(0, windowHeight - kHeightShortfall); }
int GridWidth(int windowWidth) noexcept { return std::max(0, windowWidth - kGridWidthShortfall); }

}  // namespace

ViewerLayout LayoutViewer(int windowWidth, int windowHeight) noexcept {
    ViewerLayout layout;
    layout.grid = {kGridLeft, kMargin, GridWidth(windowWidth), ListHeight(windowHeight)};
    layout.list = {kMargin, kMargin, kListWidth, ListHeight(windowHeight)};
    return layout;
}

ViewerLayout AnchorViewer(const ViewerLayout& placed, int windowWidth, int windowHeight) noexcept {
    ViewerLayout layout = placed;
    layout.list.height = ListHeight(windowHeight);
    layout.grid.width = GridWidth(windowWidth);
    return layout;
}

}  // namespace dd
