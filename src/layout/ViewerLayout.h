#pragma once

#include "layout/Dpi.h"

namespace dd {

// A child window's place in its parent's client area, in plain pixels.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Bounds&) const = default;
};

// Where the table list and the field grid stand in a viewer window of the given client size.
struct ViewerLayout {
    Bounds list;
    Bounds grid;
    bool operator==(const ViewerLayout&) const = default;
};

// The list's width when the viewer opens and after a double click on the splitter: 230 pixels at 96 DPI.
int DefaultListWidth(Dpi dpi = kDefaultDpi) noexcept;
// The narrowest list and grid that a drag of the splitter or a narrow window leaves: 60 and 120 pixels
// at 96 DPI, room for a few letters of a description and for the start of a field's identifier.
int MinimumListWidth(Dpi dpi = kDefaultDpi) noexcept;
int MinimumGridWidth(Dpi dpi = kDefaultDpi) noexcept;

// The list's width in a window of this width: the wanted width, narrowed so that the grid keeps its
// minimum, but never below the list's own minimum. A window too narrow for both minimums keeps the
// list's, since the list is what chooses the table; the grid takes what is left, down to nothing.
int ClampListWidth(int listWidth, int windowWidth, Dpi dpi = kDefaultDpi) noexcept;

// The list's width after the screen's resolution changed: the same width at 96 DPI, so that a dragged
// splitter keeps its place relative to the text.
int RescaledListWidth(int listWidth, Dpi from, Dpi to) noexcept;

// The viewer's placement after every change of the window's size, of the list's width (the splitter)
// or of the screen's resolution: a 1-pixel margin all round, the list `listWidth` wide (as ClampListWidth leaves it) on
// the left and the grid right of it, touching it, to the margin on the right; both cover the rows from the top margin
// to the bottom one. Sizes that would be negative are 0. With the default list width it is the opening placement of
// LayoutViewer below.
ViewerLayout LayoutViewer(int windowWidth, int windowHeight, int listWidth, Dpi dpi = kDefaultDpi) noexcept;

// Where the data view stands in a viewer window of the given client size: a line at the top that names the
// table and its rows, as high as a grid row with the text's margins, and the grid below it; a 1-pixel margin
// all round, as in the dictionary's view. Sizes that would be negative are 0.
struct TableViewLayout {
    Bounds title;
    Bounds grid;
    bool operator==(const TableViewLayout&) const = default;
};
TableViewLayout LayoutTableView(int windowWidth, int windowHeight, Dpi dpi = kDefaultDpi) noexcept;

// The explicit placement after a file has been opened: a 1-pixel margin all round, the list 230 pixels
// wide on the left and the grid on the right, touching it. A window too narrow for the grid's minimum
// beside that list (a Quick View panel) gets the same minimums as one resized to its size: the placement
// is the one above at the default list width.
ViewerLayout LayoutViewer(int windowWidth, int windowHeight, Dpi dpi = kDefaultDpi) noexcept;

}  // namespace dd
