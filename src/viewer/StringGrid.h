#pragma once

#include <windows.h>

#include <functional>

#include "dictionary/GridModel.h"
#include "layout/ColumnWidths.h"
#include "layout/ViewerLayout.h"
#include "viewer/CallbackGuard.h"
#include "viewer/KeyEvents.h"
#include "viewer/Palette.h"
#include "viewer/WinHandles.h"
#include "viewer/WindowBase.h"

namespace dd {

// What a string grid is made with: its place and the handlers of its events.
struct StringGridArgs {
    HWND parent = nullptr;
    // What the grid shows: its cells, fixed rows, current cell, selection and top row.
    GridModel* model = nullptr;
    // The colours it paints in: the form's palette, which may change while the grid lives.
    const Palette* palette = nullptr;
    int controlId = 0;
    Bounds bounds;
    ExceptionSink* errors = nullptr;
    // Raised after the grid has painted a cell itself.
    std::function<void(int column, int32_t row, const RECT& cell)> onDrawCell;
    // Raised before the grid handles a key itself; a key set to 0 is not handled.
    KeyDownHandler onKeyDown;
    // Raised for the context menu, with the point in screen coordinates.
    std::function<void(POINT screenPoint)> onContextMenu;
};

// The field grid as a Win32 control: five columns of text in rows of 18 pixels with 1-pixel grid lines,
// a bold font, a vertical scroll bar only, one current cell with a range selected by dragging, and
// movement by the arrow, page, Home and End keys. Its state lives in a GridModel that the control
// shows; it paints it and turns mouse, keys and scrolling into changes of that state.
class StringGrid : WindowBase<StringGrid> {
public:
    explicit StringGrid(const StringGridArgs& args);

    HWND Handle() const noexcept { return window_.get(); }

    // The model's rows or cells have changed: the scroll bar follows them and the grid is repainted.
    void ModelChanged();

    const ColumnWidths& Widths() const noexcept { return widths_; }
    // A width equal to the column's present one changes nothing; another is stored as given, and the
    // grid recalculates its scrolling and repaints whole.
    void SetColumnWidth(int column, int width);
    // The grid's outer width, its border and scroll bar included.
    int OuterWidth() const noexcept;

    // Paints the grid's client area, `client` of it, into a device context.
    void Paint(HDC dc, const RECT& client);

private:
    friend class WindowBase<StringGrid>;
    // The grid finds its object in its user data: a window property would cost a trip to Wine's
    // server for every message, and the grid takes one for every move of the mouse.
    static constexpr ObjectSlot kObjectSlot{};

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleQuery(UINT message, WPARAM wParam, LPARAM lParam) const;

    void OnPaint();
    void OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam);
    void OnLeftButtonDown(LPARAM lParam, WPARAM flags);
    void OnMouseMove(LPARAM lParam, WPARAM flags);
    void OnVerticalScroll(WORD request);
    void OnMouseWheel(short delta);
    void OnContextMenu(LPARAM lParam);
    void OnFocusChange(bool gained, HWND other);

    void MoveCurrent(GridCell cell, bool extendSelection);
    void ScrollTo(int32_t topRow);
    int32_t VisibleRows() const;
    void UpdateScrollBar();
    void Repaint() const;
    RECT CellRect(GridCell cell) const;
    void PaintCell(HDC dc, GridCell cell, const RECT& rect, bool fixed);

    StringGridArgs args_;
    GridModel& model_;
    const Palette& palette_;
    ColumnWidths widths_;
    UniqueFont font_;
    bool isActiveControl_ = false;  // the control that has the focus within its form, even while the form has not
    bool dragging_ = false;
    // The whole grid is invalid already: filling a table changes thousands of cells before it is painted.
    mutable bool repaintPending_ = false;
    UniqueWindow window_;  // owned and bound from WM_NCCREATE on
    Binding binding_;
};

}  // namespace dd
