#pragma once

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

// The explicit placement after a file has been opened: a 1-pixel margin all round, the list 230 pixels
// wide on the left and the grid on the right, touching it. Sizes that would be negative in a window
// narrower than 232 or lower than 2 pixels are 0.
ViewerLayout LayoutViewer(int windowWidth, int windowHeight) noexcept;

// The anchors on a later change of the window's size: the list follows the window's height, the grid
// its width; the grid keeps its height and both keep their left and top edges.
ViewerLayout AnchorViewer(const ViewerLayout& placed, int windowWidth, int windowHeight) noexcept;

}  // namespace dd
