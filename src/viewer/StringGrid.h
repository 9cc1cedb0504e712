#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "dictionary/GridSource.h"
#include "layout/ColumnWidths.h"
#include "layout/Dpi.h"
#include "layout/GridColumnLayout.h"
#include "layout/ViewerLayout.h"
#include "viewer/CallbackGuard.h"
#include "viewer/HoverTooltip.h"
#include "viewer/KeyEvents.h"
#include "viewer/Palette.h"
#include "viewer/WinHandles.h"
#include "viewer/WindowBase.h"

namespace dd {

// What a string grid is made with: its place and the handlers of its events.
struct StringGridArgs {
    HWND parent = nullptr;
    // What the grid shows first: its cells, fixed rows, current cell, selection and top row.
    GridSource* source = nullptr;
    // The colours it paints in: the form's palette, which may change while the grid lives.
    const Palette* palette = nullptr;
    int controlId = 0;
    Bounds bounds;
    Dpi dpi;
    ExceptionSink* errors = nullptr;
    // Raised after the grid has painted a cell itself.
    std::function<void(int column, int32_t row, const RECT& cell)> onDrawCell;
    // Raised before the grid handles a key itself; a key set to 0 is not handled.
    KeyDownHandler onKeyDown;
    // Raised for the context menu, with the point in screen coordinates and the cell its commands work
    // on (CellForContextMenu): the cell right-clicked, or the current one for the menu key.
    std::function<void(POINT screenPoint, GridCell cell)> onContextMenu;
    // Raised when the grid gains the focus.
    std::function<void()> onFocus;
    // Raised when the grid's size changed from outside, so that its columns can be fitted again.
    std::function<void()> onResized;
    // Whether the mouse at this screen point belongs to the parent (the splitter over the grid's border).
    std::function<bool(POINT screenPoint)> passesMouseToParent;
    // The tooltip of a caption in a fixed row (Windows-1251, lines joined by CR LF); none where it is empty.
    std::function<std::string(int column)> captionTooltip;
};

// The field grid as a Win32 control: five columns of text in rows of 18 pixels with 1-pixel grid lines
// (at 96 DPI, scaled to the screen), a bold font, a vertical scroll bar and, where the columns do not
// fit, a horizontal one; one current cell with a range selected by dragging, and movement by the arrow,
// page, Home and End keys. Its state lives in a GridModel that the control shows; it paints it and turns
// mouse, keys and scrolling into changes of that state.
class StringGrid : WindowBase<StringGrid> {
public:
    explicit StringGrid(const StringGridArgs& args);

    HWND Handle() const noexcept { return window_.get(); }

    // The source's rows or cells have changed: the scroll bars follow them and the grid is repainted.
    void ModelChanged();
    // Shows another source (the field grid, or the rows of a base's table), from its own current cell and top row,
    // scrolled back to its first column. The columns stay as they were until the form sets them.
    void SetSource(GridSource& source);
    GridSource& Source() const noexcept { return *source_; }
    // Whether the user may size the columns by dragging a caption's right border in a fixed row.
    void SetColumnsSizable(bool sizable) noexcept { columnsSizable_ = sizable; }
    // Rows below the fixed ones that the client area shows whole.
    int32_t VisibleRows() const;
    // The width of a text (Windows-1251) in the grid's font, and the font's average character width.
    int TextWidth(std::string_view text) const;
    int AverageCharWidth() const;
    // Scrolls as little as brings the current cell into view.
    void ScrollCurrentIntoView();

    const ColumnWidths& Widths() const noexcept { return columns_.widths; }
    // Takes the columns' widths and whether they scroll; the scroll bars follow and the grid repaints.
    // Answers whether the client area changed size on the way (a scroll bar came or went), in which case
    // the columns are to be worked out again for the new client area.
    bool SetColumnLayout(const GridColumnLayout& columns);
    // The grid's outer width, its border and scroll bar included, and its client area's width.
    int OuterWidth() const noexcept;
    int ClientWidth() const noexcept;
    // The captions' text widths (row 0) in the grid's font, as the columns' minimums need them.
    const ColumnWidths& CaptionTextWidths() const noexcept { return captionTextWidths_; }

    // The resolution the grid is laid out at, and a new one: the font and the rows follow it.
    Dpi DisplayDpi() const noexcept { return dpi_; }
    void SetDisplayDpi(Dpi dpi);

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
    void OnSize();
    LRESULT OnHitTest(UINT message, WPARAM wParam, LPARAM lParam);
    void OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam);
    void OnLeftButtonDown(LPARAM lParam, WPARAM flags);
    void OnMouseMove(LPARAM lParam, WPARAM flags);
    void OnRightButtonDown(LPARAM lParam);
    void OnVerticalScroll(WORD request);
    void OnHorizontalScroll(WORD request);
    void OnMouseWheel(short delta, WORD keys);
    void OnHorizontalMouseWheel(short delta);
    void OnContextMenu(LPARAM lParam);
    void OnFocusChange(bool gained, HWND other);
    bool OnSetCursor(LPARAM lParam);
    // Sizing a column by its caption's right border: the column whose border is at a client point, if any.
    std::optional<int> ColumnBorderAt(int x, int y) const;
    void DragColumnBorder(int x);
    // The caption's tooltip follows the mouse over the fixed rows.
    void ShowCaptionTooltip(LPARAM lParam);

    void MoveCurrent(GridCell cell, bool extendSelection);
    void ScrollTo(int32_t topRow);
    void ScrollHorizontallyTo(int offset);
    bool UpdateScrollBars();
    void SetVerticalScrollBar();
    void SetHorizontalScrollBar();
    void MeasureCaptions();
    void Repaint() const;
    std::optional<GridCell> CellAtPoint(LPARAM clientPoint) const;
    RECT CellRect(GridCell cell) const;
    void PaintCell(HDC dc, GridCell cell, const RECT& rect, bool fixed);

    StringGridArgs args_;
    GridSource* source_;
    const Palette& palette_;
    Dpi dpi_;
    GridColumnLayout columns_;
    int horizontalOffset_ = 0;  // pixels of the columns scrolled out to the left
    UniqueFont font_;
    ColumnWidths captionTextWidths_;
    std::vector<std::string> measuredCaptions_;
    // A drag of a caption's right border that sizes its column (SetColumnsSizable).
    struct ColumnDrag {
        int column;
        int startX;
        int startWidth;
    };
    bool columnsSizable_ = false;
    std::optional<ColumnDrag> columnDrag_;
    std::unique_ptr<HoverTooltip> captionTooltip_;
    int tooltipColumn_ = -1;        // the caption the tooltip shows
    bool isActiveControl_ = false;  // the control that has the focus within its form, even while the form has not
    bool dragging_ = false;
    bool created_ = false;            // the constructor has finished: size changes reach onResized
    bool settingScrollBars_ = false;  // the size changes that the scroll bars cause are UpdateScrollBars' own
    // The whole grid is invalid already: filling a table changes thousands of cells before it is painted.
    mutable bool repaintPending_ = false;
    UniqueWindow window_;  // owned and bound from WM_NCCREATE on
    Binding binding_;
};

}  // namespace dd
