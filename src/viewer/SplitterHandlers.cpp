// The splitter between the list and the grid. It has no window: its zone lies over their touching
// borders, where both let the mouse through to the form, which shows the cursor and tracks the drag
// with the mouse captured.
#include "viewer/unMain.h"

namespace dd {

bool TfmMain::IsSplitterAtScreenPoint(POINT screenPoint) const {
    if (!laidOut_ || data_) return false;  // the data view has no list beside its grid
    POINT point = screenPoint;
    ScreenToClient(window_.get(), &point);
    return IsOnSplitter(point.x, point.y, placed_, dpi_);
}

bool TfmMain::OnSetCursor(LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) return false;
    POINT cursor{};
    if (!GetCursorPos(&cursor) || !IsSplitterAtScreenPoint(cursor)) return false;
    SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
    return true;
}

void TfmMain::OnSplitterButtonDown(int x, int y) {
    if (!laidOut_ || data_ || !IsOnSplitter(x, y, placed_, dpi_)) return;
    splitterDrag_ = SplitterDrag{x, placed_.list.width};
    SetCapture(window_.get());
}

void TfmMain::OnSplitterMouseMove(int x) {
    if (!splitterDrag_ || GetCapture() != window_.get()) return;
    RECT client{};
    GetClientRect(window_.get(), &client);
    const int width = DraggedListWidth(*splitterDrag_, x, client.right, dpi_);
    if (width == placed_.list.width && width == listWidth_) return;
    listWidth_ = width;
    PlaceControls(LayoutForListWidth());
}

void TfmMain::OnSplitterButtonUp() {
    if (splitterDrag_ && GetCapture() == window_.get()) ReleaseCapture();  // WM_CAPTURECHANGED ends the drag
    splitterDrag_.reset();
}

void TfmMain::OnSplitterDoubleClick(int x, int y) {
    if (!laidOut_ || data_ || !IsOnSplitter(x, y, placed_, dpi_)) return;
    listWidth_ = DefaultListWidth(dpi_);
    PlaceControls(LayoutForListWidth());
}

void TfmMain::EndSplitterDrag() noexcept { splitterDrag_.reset(); }

}  // namespace dd
