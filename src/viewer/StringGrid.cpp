#include "viewer/StringGrid.h"

#include <windowsx.h>

#include <algorithm>

#include "layout/GridGeometry.h"
#include "layout/GridNavigation.h"
#include "layout/HorizontalScroll.h"
#include "layout/RightClick.h"
#include "layout/TableColumnWidths.h"
#include "platform/win32/WideText.h"
#include "viewer/DarkControls.h"
#include "viewer/GridMessages.h"
#include "viewer/ModuleInstance.h"
#include "viewer/OsError.h"
#include "viewer/ScopedFlag.h"
#include "viewer/ViewerFonts.h"
#include "viewer/WindowClasses.h"

namespace dd {
namespace {

// Sets a scroll bar's range, page and position at once.
void ApplyScrollRange(HWND window, int bar, const GridScrollRange& range) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = range.maximum;
    info.nPage = static_cast<UINT>(range.page);
    info.nPos = range.position;
    SetScrollInfo(window, bar, &info, TRUE);
}

constexpr int kDefaultColumnWidth = 64;
constexpr int kWheelRows = 3;

// The columns before they are first fitted: every one the default width.
GridColumnLayout DefaultColumns(int count, Dpi dpi) {
    GridColumnLayout columns;
    columns.widths.assign(static_cast<size_t>(count), dpi.Scale(kDefaultColumnWidth));
    columns.minimums.assign(static_cast<size_t>(count), 0);
    columns.contentWidth = ColumnLeft(columns.widths, count, 0, dpi);
    return columns;
}

// How near a caption's right border the mouse must be to size its column (at 96 DPI).
constexpr int kBorderGrip = 3;

RECT ClientRectOf(HWND window) noexcept {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

}  // namespace

StringGrid::StringGrid(const StringGridArgs& args)
    : args_(args),
      source_(args.source),
      palette_(*args.palette),
      dpi_(args.dpi),
      columns_(DefaultColumns(args.source->ColumnCount(), args.dpi)),
      font_(CreateInterfaceFont(true, args.dpi)),
      binding_(*this, args.errors, window_) {
    const wchar_t* className = RegisterWindowClassOnce(grid::kClassName, &WindowProc, 0, nullptr);
    // The grid is the window's creation parameter: WindowProc makes window_ own the window and binds it
    // at its first message.
    if (CreateWindowExW(WS_EX_CLIENTEDGE, className, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL,
                        args.bounds.left, args.bounds.top, args.bounds.width, args.bounds.height, args.parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)), ModuleInstance(),
                        this) == nullptr)
        throw LastOsError();
    MeasureCaptions();
    UpdateScrollBars();
    created_ = true;
}

LRESULT StringGrid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(Handle(), &client);
            Paint(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // painting covers the whole client area
        case WM_NCPAINT: {
            const LRESULT result = binding_.Default(message, wParam, lParam);
            PaintDarkClientEdge(Handle(), palette_);
            return result;
        }
        case WM_SIZE:
            OnSize();
            return 0;
        case WM_NCHITTEST:
            return OnHitTest(message, wParam, lParam);
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_.get());
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            OnKeyDown(message, wParam, lParam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnLeftButtonDown(lParam, wParam);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(lParam, wParam);
            return 0;
        case WM_LBUTTONUP:
            if (dragging_ || columnDrag_) ReleaseCapture();
            return 0;
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            if ((dragging_ || columnDrag_) && GetCapture() == Handle()) ReleaseCapture();
            dragging_ = false;
            columnDrag_.reset();
            return 0;
        case WM_SETCURSOR:
            if (OnSetCursor(lParam)) return TRUE;
            return binding_.Default(message, wParam, lParam);
        case WM_RBUTTONDOWN:
            OnRightButtonDown(lParam);
            return 0;
        case WM_CONTEXTMENU:
            OnContextMenu(lParam);
            return 0;
        case WM_VSCROLL:
            OnVerticalScroll(LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            OnHorizontalScroll(LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam));
            return 0;
        case WM_MOUSEHWHEEL:
            OnHorizontalMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_SETFOCUS:
            OnFocusChange(true, reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_KILLFOCUS:
            OnFocusChange(false, reinterpret_cast<HWND>(wParam));
            return 0;
        default:
            if (grid::IsQuery(message)) return HandleQuery(message, wParam, lParam);
            return binding_.Default(message, wParam, lParam);
    }
}

void StringGrid::SetSource(GridSource& source) {
    source_ = &source;
    horizontalOffset_ = 0;
    columnDrag_.reset();
    if (captionTooltip_) captionTooltip_->ClearItem();
    tooltipColumn_ = -1;
    ModelChanged();
}

void StringGrid::ModelChanged() {
    MeasureCaptions();
    // A table with more or fewer rows shows or hides the vertical scroll bar, which changes the width
    // that the columns have.
    if (UpdateScrollBars() && created_ && args_.onResized) args_.onResized();
    Repaint();
}

bool StringGrid::SetColumnLayout(const GridColumnLayout& columns) {
    if (columns == columns_) return false;
    columns_ = columns;
    const bool resized = UpdateScrollBars();
    Repaint();
    return resized;
}

int StringGrid::OuterWidth() const noexcept {
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    return rect.right - rect.left;
}

int StringGrid::ClientWidth() const noexcept { return ClientRectOf(Handle()).right; }

void StringGrid::SetDisplayDpi(Dpi dpi) {
    if (dpi == dpi_) return;
    font_ = CreateInterfaceFont(true, dpi);
    dpi_ = dpi;
    measuredCaptions_.clear();
    MeasureCaptions();
    UpdateScrollBars();
    Repaint();
}

void StringGrid::MeasureCaptions() {
    if (Handle() == nullptr || source_->RowCount() == 0) return;
    const auto columns = static_cast<size_t>(source_->ColumnCount());
    bool same = measuredCaptions_.size() == columns;
    for (size_t c = 0; same && c < columns; ++c) same = source_->Cell(static_cast<int>(c), 0) == measuredCaptions_[c];
    if (same) return;
    measuredCaptions_.resize(columns);
    captionTextWidths_.resize(columns);
    for (size_t c = 0; c < columns; ++c) {
        measuredCaptions_[c] = std::string(source_->Cell(static_cast<int>(c), 0));
        captionTextWidths_[c] = TextWidth(measuredCaptions_[c]);
    }
}

int StringGrid::TextWidth(std::string_view text) const {
    const WindowDc screen(Handle());
    if (screen.Dc() == nullptr) return 0;
    SelectedObject font(screen.Dc(), font_.get());
    const std::wstring wide = WideFromCp1251(text);
    SIZE size{};
    GetTextExtentPoint32W(screen.Dc(), wide.data(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

// The font's average character, or a digit where that is wider: a table's codes and numbers are digits.
int StringGrid::AverageCharWidth() const {
    const WindowDc screen(Handle());
    if (screen.Dc() == nullptr) return dpi_.Scale(7);
    SelectedObject font(screen.Dc(), font_.get());
    TEXTMETRICW metrics{};
    SIZE digit{};
    GetTextExtentPoint32W(screen.Dc(), L"0", 1, &digit);
    return std::max<int>(GetTextMetricsW(screen.Dc(), &metrics) ? metrics.tmAveCharWidth : 0, digit.cx);
}

int32_t StringGrid::VisibleRows() const {
    return FullyVisibleRows(ClientRectOf(Handle()).bottom, source_->FixedRows(), dpi_);
}

bool StringGrid::UpdateScrollBars() {
    if (Handle() == nullptr) return false;
    const RECT before = ClientRectOf(Handle());
    {
        ScopedFlag setting(settingScrollBars_);
        // The horizontal bar first, since it takes from the height that the rows have; then the vertical
        // one, which takes from the width that the horizontal bar's page is.
        SetHorizontalScrollBar();
        SetVerticalScrollBar();
        SetHorizontalScrollBar();
    }
    const RECT after = ClientRectOf(Handle());
    return after.right != before.right || after.bottom != before.bottom;
}

void StringGrid::SetVerticalScrollBar() {
    const int32_t visible = VisibleRows();
    source_->SetTopRow(std::min(source_->TopRow(), MaxTopRow(source_->RowCount(), source_->FixedRows(), visible)));
    ApplyScrollRange(Handle(), SB_VERT,
                     ScrollRangeFor(source_->RowCount(), source_->FixedRows(), source_->TopRow(), visible));
}

void StringGrid::SetHorizontalScrollBar() {
    const int client = ClientWidth();
    horizontalOffset_ = ClampHorizontalOffset(horizontalOffset_, columns_, client);
    // An empty range hides the bar: the columns fit.
    ApplyScrollRange(Handle(), SB_HORZ, HorizontalScrollRangeFor(columns_, client, horizontalOffset_));
}

void StringGrid::OnSize() {
    if (settingScrollBars_) return;  // UpdateScrollBars is working the bars out
    UpdateScrollBars();
    if (created_ && args_.onResized) args_.onResized();
    Repaint();
}

LRESULT StringGrid::OnHitTest(UINT message, WPARAM wParam, LPARAM lParam) {
    // The splitter's zone reaches over the grid's border: there the mouse goes through to the parent.
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (args_.passesMouseToParent && args_.passesMouseToParent(screen)) return HTTRANSPARENT;
    return binding_.Default(message, wParam, lParam);
}

void StringGrid::Repaint() const {
    if (Handle() == nullptr || repaintPending_) return;
    repaintPending_ = true;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void StringGrid::MoveCurrent(GridCell cell, bool extendSelection) {
    source_->SetCurrent(cell, extendSelection);
    ScrollCurrentIntoView();
    Repaint();
}

void StringGrid::ScrollCurrentIntoView() {
    ScrollTo(TopRowShowing(source_->Current().row, source_->TopRow(), source_->RowCount(), source_->FixedRows(),
                           VisibleRows()));
    ScrollHorizontallyTo(
        HorizontalOffsetShowing(source_->Current().column, horizontalOffset_, columns_, ClientWidth(), dpi_));
    Repaint();
}

void StringGrid::ScrollTo(int32_t topRow) {
    const int32_t before = source_->TopRow();
    source_->SetTopRow(std::min(topRow, MaxTopRow(source_->RowCount(), source_->FixedRows(), VisibleRows())));
    if (source_->TopRow() == before) return;
    SetVerticalScrollBar();
    Repaint();
}

void StringGrid::ScrollHorizontallyTo(int offset) {
    const int clamped = ClampHorizontalOffset(offset, columns_, ClientWidth());
    if (clamped == horizontalOffset_) return;
    horizontalOffset_ = clamped;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = horizontalOffset_;
    SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
    Repaint();
}

void StringGrid::OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam) {
    auto key = static_cast<uint16_t>(wParam);
    const ShiftState shift = ShiftStateOf(lParam);
    if (args_.onKeyDown) args_.onKeyDown(key, shift);
    if (key == 0) return;
    const auto target = CellAfterKey(source_->Current(), key, shift.ctrl, source_->ColumnCount(), source_->RowCount(),
                                     source_->FixedRows(), VisibleRows());
    if (message == WM_KEYDOWN && target)
        MoveCurrent(*target, shift.shift);
    else
        binding_.Default(message, key, lParam);
}

std::optional<GridCell> StringGrid::CellAtPoint(LPARAM clientPoint) const {
    return CellAt(GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint), columns_.widths, source_->RowCount(),
                  source_->FixedRows(), source_->TopRow(), horizontalOffset_, dpi_);
}

void StringGrid::OnLeftButtonDown(LPARAM lParam, WPARAM flags) {
    if (GetFocus() != Handle()) SetFocus(Handle());
    if (const auto border = ColumnBorderAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
        columnDrag_ = ColumnDrag{*border, GET_X_LPARAM(lParam), columns_.widths[static_cast<size_t>(*border)]};
        SetCapture(Handle());
        return;
    }
    const auto cell = CellAtPoint(lParam);
    if (!cell || cell->row < source_->FixedRows()) return;
    MoveCurrent(*cell, (flags & MK_SHIFT) != 0);
    dragging_ = true;
    SetCapture(Handle());
}

void StringGrid::OnMouseMove(LPARAM lParam, WPARAM flags) {
    ShowCaptionTooltip(lParam);
    if (columnDrag_ && (flags & MK_LBUTTON) != 0) {
        DragColumnBorder(GET_X_LPARAM(lParam));
        return;
    }
    if (!dragging_ || (flags & MK_LBUTTON) == 0) return;
    const auto cell = CellAtPoint(lParam);
    if (cell && cell->row >= source_->FixedRows() && !(*cell == source_->Current())) MoveCurrent(*cell, true);
}

std::optional<int> StringGrid::ColumnBorderAt(int x, int y) const {
    if (!columnsSizable_ || y < 0 || y >= RowTop(source_->FixedRows(), source_->FixedRows(), source_->TopRow(), dpi_))
        return std::nullopt;
    const int grip = dpi_.Scale(kBorderGrip);
    for (int column = 0; column < static_cast<int>(columns_.widths.size()); ++column) {
        const int right =
            ColumnLeft(columns_.widths, column, horizontalOffset_, dpi_) + columns_.widths[static_cast<size_t>(column)];
        if (x >= right - grip && x <= right + grip) return column;
    }
    return std::nullopt;
}

void StringGrid::DragColumnBorder(int x) {
    ColumnWidths widths = columns_.widths;
    const int narrowest = 2 * GridTextMargin(dpi_) + 1;
    widths[static_cast<size_t>(columnDrag_->column)] =
        std::max(narrowest, columnDrag_->startWidth + x - columnDrag_->startX);
    SetColumnLayout(LayoutGivenColumns(widths, ClientWidth(), dpi_));
}

bool StringGrid::OnSetCursor(LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) return false;
    POINT point{};
    if (!GetCursorPos(&point) || !ScreenToClient(Handle(), &point)) return false;
    if (!columnDrag_ && !ColumnBorderAt(point.x, point.y)) return false;
    SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
    return true;
}

void StringGrid::ShowCaptionTooltip(LPARAM lParam) {
    if (!args_.captionTooltip) return;
    const auto cell = CellAtPoint(lParam);
    const int column = cell && cell->row < source_->FixedRows() && !columnDrag_ ? cell->column : -1;
    if (column != tooltipColumn_) {
        const std::string text = column >= 0 ? args_.captionTooltip(column) : std::string();
        if (!text.empty() && !captionTooltip_) {
            captionTooltip_ = std::make_unique<HoverTooltip>(Handle(), args_.errors);
            captionTooltip_->SetMaximumWidth(dpi_.Scale(600));
        }
        if (captionTooltip_) {
            if (text.empty())
                captionTooltip_->ClearItem();
            else
                captionTooltip_->SetItem(CellRect(*cell), WideFromCp1251(text));
        }
        tooltipColumn_ = column;
    }
    if (captionTooltip_) captionTooltip_->Relay(WM_MOUSEMOVE, 0, lParam);
}

// The menu that follows works on what the click selected: the clicked cell, unless it lies in the range
// already selected.
void StringGrid::OnRightButtonDown(LPARAM lParam) {
    SetFocus(Handle());
    if (const auto cell = CellToSelectOnRightClick(CellAtPoint(lParam), source_->Selection(), source_->FixedRows()))
        MoveCurrent(*cell, false);
}

void StringGrid::OnVerticalScroll(WORD request) {
    const int32_t page = std::max<int32_t>(VisibleRows(), 1);
    const int32_t top = source_->TopRow();
    switch (request) {
        case SB_LINEUP:
            ScrollTo(top - 1);
            break;
        case SB_LINEDOWN:
            ScrollTo(top + 1);
            break;
        case SB_PAGEUP:
            ScrollTo(top - page);
            break;
        case SB_PAGEDOWN:
            ScrollTo(top + page);
            break;
        case SB_TOP:
            ScrollTo(source_->FixedRows());
            break;
        case SB_BOTTOM:
            ScrollTo(source_->RowCount());
            break;
        case SB_THUMBPOSITION: {
            // The grid follows the thumb only when it is released; the 32-bit position is read back.
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(Handle(), SB_VERT, &info)) ScrollTo(source_->FixedRows() + info.nTrackPos);
            break;
        }
        default:
            break;
    }
}

void StringGrid::OnHorizontalScroll(WORD request) {
    const int page = std::max(ClientWidth(), 1);
    const int step = HorizontalLineStep(dpi_);
    switch (request) {
        case SB_LINELEFT:
            ScrollHorizontallyTo(horizontalOffset_ - step);
            break;
        case SB_LINERIGHT:
            ScrollHorizontallyTo(horizontalOffset_ + step);
            break;
        case SB_PAGELEFT:
            ScrollHorizontallyTo(horizontalOffset_ - page);
            break;
        case SB_PAGERIGHT:
            ScrollHorizontallyTo(horizontalOffset_ + page);
            break;
        case SB_LEFT:
            ScrollHorizontallyTo(0);
            break;
        case SB_RIGHT:
            ScrollHorizontallyTo(MaxHorizontalOffset(columns_, ClientWidth()));
            break;
        case SB_THUMBPOSITION: {
            // As the vertical bar: the columns follow the thumb when it is released.
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(Handle(), SB_HORZ, &info)) ScrollHorizontallyTo(info.nTrackPos);
            break;
        }
        default:
            break;
    }
}

void StringGrid::OnMouseWheel(short delta, WORD keys) {
    const int notches = delta / WHEEL_DELTA;
    // With Shift the wheel turns the columns, as in most programs: away from the user goes left.
    if ((keys & MK_SHIFT) != 0)
        ScrollHorizontallyTo(horizontalOffset_ - notches * kWheelRows * HorizontalLineStep(dpi_));
    else
        ScrollTo(source_->TopRow() - notches * kWheelRows);
}

void StringGrid::OnHorizontalMouseWheel(short delta) {
    // A tilt to the right scrolls the columns to the right.
    ScrollHorizontallyTo(horizontalOffset_ + delta / WHEEL_DELTA * kWheelRows * HorizontalLineStep(dpi_));
}

void StringGrid::OnContextMenu(LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    std::optional<GridCell> clicked;
    if (point.x == -1 && point.y == -1) {  // from the keyboard: below the current cell
        const RECT cell = CellRect(source_->Current());
        point = {cell.left, cell.bottom};
        ClientToScreen(Handle(), &point);
    } else {  // from the mouse: where the right click was made
        POINT client = point;
        ScreenToClient(Handle(), &client);
        clicked = CellAtPoint(MAKELPARAM(client.x, client.y));
    }
    if (args_.onContextMenu)
        args_.onContextMenu(point, CellForContextMenu(clicked, source_->Current(), source_->FixedRows()));
}

void StringGrid::OnFocusChange(bool gained, HWND other) {
    if (gained && args_.onFocus) args_.onFocus();
    // The grid stays its form's active control while the focus leaves the form altogether.
    const HWND form = GetParent(Handle());
    const bool active = gained || !(other != nullptr && (other == form || IsChild(form, other)));
    if (active != isActiveControl_) {
        isActiveControl_ = active;
        Repaint();
    }
}

void StringGrid::OnPaint() {
    repaintPending_ = false;  // from here on a change needs a new repaint, even one made while painting
    PaintSession session(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    // Painted off-screen first and copied at once, so the grid never flickers.
    UniqueMemoryDc memory(CreateCompatibleDC(session.Dc()));
    UniqueBitmap bitmap(memory ? CreateCompatibleBitmap(session.Dc(), client.right, client.bottom) : nullptr);
    if (!bitmap) {
        Paint(session.Dc(), client);
        return;
    }
    {
        SelectedObject selected(memory.get(), bitmap.get());
        Paint(memory.get(), client);
        BitBlt(session.Dc(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
}

RECT StringGrid::CellRect(GridCell cell) const {
    const int left = ColumnLeft(columns_.widths, cell.column, horizontalOffset_, dpi_);
    const int top = RowTop(cell.row, source_->FixedRows(), source_->TopRow(), dpi_);
    return {left, top, left + columns_.widths[static_cast<size_t>(cell.column)], top + GridRowHeight(dpi_)};
}

void StringGrid::Paint(HDC dc, const RECT& client) {
    FillSolid(dc, client, palette_.Colour(PaintRole::Background));
    SelectedObject font(dc, font_.get());
    SetBkMode(dc, OPAQUE);
    const ColumnWidths widths = columns_.widths;  // the handler of each painted cell may change the widths
    const int offset = horizontalOffset_;
    const int rowHeight = GridRowHeight(dpi_);
    const int32_t fixedRows = source_->FixedRows();
    const int columns = std::min(source_->ColumnCount(), static_cast<int>(widths.size()));
    auto paintRow = [&](int32_t row) {
        const int top = RowTop(row, fixedRows, source_->TopRow(), dpi_);
        int left = ColumnLeft(widths, 0, offset, dpi_);
        for (int column = 0; column < columns;
             ++column, left += widths[static_cast<size_t>(column) - 1] + GridLineWidth(dpi_)) {
            const int width = widths[static_cast<size_t>(column)];
            if (width <= 0 || left + width + GridLineWidth(dpi_) <= 0) continue;  // nothing of it in view
            if (left >= client.right) break;
            const RECT rect{left, top, left + width, top + rowHeight};
            PaintCell(dc, {column, row}, rect, row < fixedRows);
            if (args_.onDrawCell) args_.onDrawCell(column, row, rect);
        }
    };
    for (int32_t row = 0; row < fixedRows; ++row) paintRow(row);
    for (int32_t row = source_->TopRow(); row < source_->RowCount(); ++row) {
        if (RowTop(row, fixedRows, source_->TopRow(), dpi_) >= client.bottom) break;
        paintRow(row);
    }
}

void StringGrid::PaintCell(HDC dc, GridCell cell, const RECT& rect, bool fixed) {
    // The grid lines: the pixel columns right of the cell and the pixel rows below it.
    const int line = GridLineWidth(dpi_);
    const RECT right{rect.right, rect.top, rect.right + line, rect.bottom + line};
    const RECT below{rect.left, rect.bottom, rect.right, rect.bottom + line};
    FillSolid(dc, right, palette_.Colour(PaintRole::GridLine));
    FillSolid(dc, below, palette_.Colour(PaintRole::GridLine));

    // The active grid draws its current cell plain with a focus rectangle, as the one it works on, but
    // a search's hit in the selection's colours, so that the found cell stands out until the user moves.
    const bool current = cell == source_->Current();
    const bool plainCurrent = current && isActiveControl_ && !source_->IsCurrentHighlighted();
    const bool highlighted = !fixed && source_->Selection().Contains(cell) && !plainCurrent;
    const CellLook look = fixed ? CellLook{} : source_->Look(cell.column, cell.row);
    PaintRole background = PaintRole::Background;
    PaintRole foreground = look.greyed ? PaintRole::DeletedText : PaintRole::Text;
    if (fixed)
        background = PaintRole::FixedCell;
    else if (highlighted)
        background = PaintRole::Selection, foreground = PaintRole::SelectionText;
    SetBkColor(dc, palette_.Colour(background));
    SetTextColor(dc, palette_.Colour(foreground));
    // No character is narrower than a pixel, so no more of a cell's text than its width can show.
    const size_t room = static_cast<size_t>(std::max<LONG>(rect.right - rect.left, 0));
    const std::wstring text = WideFromCp1251(source_->Cell(cell.column, cell.row).substr(0, room));
    const int margin = GridTextMargin(dpi_);
    // A number stands at the cell's right edge, as in a spreadsheet.
    if (look.alignRight) SetTextAlign(dc, TA_RIGHT | TA_TOP);
    ExtTextOutW(dc, look.alignRight ? rect.right - margin : rect.left + margin, rect.top + margin,
                ETO_CLIPPED | ETO_OPAQUE, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
    if (look.alignRight) SetTextAlign(dc, TA_LEFT | TA_TOP);
    if (current && isActiveControl_ && !fixed) DrawFocusRect(dc, &rect);
}

}  // namespace dd
