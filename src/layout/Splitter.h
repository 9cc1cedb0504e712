#pragma once

#include "layout/Dpi.h"
#include "layout/ViewerLayout.h"

namespace dd {

// The splitter between the table list and the field grid. The two touch, so it has no window of its
// own: its zone lies over their touching borders, where the viewer window takes the mouse. Dragging it
// sets the list's width, which the viewer keeps for as long as its window lives and saves nowhere.

// Where the cursor shows the splitter: the list's right border and the grid's left border, 2 pixels
// each at 96 DPI, over the height of the list.
Bounds SplitterZone(const ViewerLayout& layout, Dpi dpi = kDefaultDpi) noexcept;
bool IsOnSplitter(int x, int y, const ViewerLayout& layout, Dpi dpi = kDefaultDpi) noexcept;

// A drag of the splitter, begun with the mouse at `startX` while the list was `startListWidth` wide.
struct SplitterDrag {
    int startX = 0;
    int startListWidth = 0;
};

// The list's width with the mouse at `x`: moved as far as the mouse, within ClampListWidth's limits.
// `x` and `startX` may be in any one coordinate system, the screen's or the window's.
int DraggedListWidth(const SplitterDrag& drag, int x, int windowWidth, Dpi dpi = kDefaultDpi) noexcept;

}  // namespace dd
