#include "viewer/unMain.h"

#include <windowsx.h>

#include "dictionary/TableFieldView.h"
#include "layout/ColumnWidths.h"
#include "layout/GridColumnLayout.h"
#include "viewer/InfoMessage.h"
#include "viewer/ModuleInstance.h"
#include "viewer/OsError.h"
#include "viewer/ViewerFonts.h"
#include "viewer/ViewerMessages.h"
#include "viewer/WindowClasses.h"
#include "viewer/WindowDpi.h"
#include "viewmodel/TableTooltip.h"

namespace dd {
namespace {

constexpr wchar_t kFormClassName[] = L"TfmMain";
constexpr int kFormWindowExtraBytes = 4;
constexpr int kListId = 1;
constexpr int kGridId = 2;
// Where the form's description places the form, the list and the grid before the first layout (at 96 DPI).
constexpr Bounds kFormBounds{0, 0, 594, 447};
constexpr Bounds kListBounds{0, 1, 230, 419};
constexpr Bounds kGridBounds{232, 0, 350, 417};
// A scroll bar that comes or goes changes the grid's client area, which the columns are laid out in;
// each bar only ever follows the other, so they settle within a few rounds.
constexpr int kColumnFitRounds = 4;

Bounds Scaled(const Bounds& bounds, Dpi dpi) noexcept {
    return {dpi.Scale(bounds.left), dpi.Scale(bounds.top), dpi.Scale(bounds.width), dpi.Scale(bounds.height)};
}

UniqueWindow CreateFormWindow(HWND listerWnd, WNDPROC procedure, Dpi dpi) {
    const Bounds bounds = Scaled(kFormBounds, dpi);
    const wchar_t* className =
        RegisterWindowClassOnce(kFormClassName, procedure, kFormWindowExtraBytes,
                                reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    // A child without caption or border, made maximized so that it fills the Lister window's client area.
    UniqueWindow window(CreateWindowExW(0, className, L"Simple Lister plugin", WS_CHILD | WS_MAXIMIZE, bounds.left,
                                        bounds.top, bounds.width, bounds.height, listerWnd, nullptr, ModuleInstance(),
                                        nullptr));
    if (!window) throw LastOsError();
    return window;
}

}  // namespace

TfmMain::TfmMain(HWND listerWnd, const ViewerFile& file, ViewerApplication& application)
    : application_(application),
      dpi_(WindowDpi(listerWnd)),
      listWidth_(DefaultListWidth(dpi_)),
      font_(CreateInterfaceFont(false, dpi_)),
      window_(CreateFormWindow(listerWnd, &WindowProc, dpi_)),
      HostMainWnd(FindWindowW(L"TTOTAL_CMD", nullptr)),
      ListerWnd(listerWnd),
      ListerIsEmbedded(GetParent(listerWnd) != nullptr),
      LB({window_.get(), kListId, Scaled(kListBounds, dpi_), font_.get(), dpi_, &view_.List(), &palette_, &application,
          [this](uint16_t& key, ShiftState shift) {
              TabKeyDown(ViewerControl::List, key, shift);
              if (key != 0) LBKeyDown(key, shift);
          },
          [this] { activeControl_ = ViewerControl::List; },
          [this](int32_t entry) { return TableTooltipText(view_, entry); },
          [this](POINT point) { return IsSplitterAtScreenPoint(point); }}),
      SG({window_.get(), &view_.Grid(), &palette_, kGridId, Scaled(kGridBounds, dpi_), dpi_, &application,
          [this](int column, int32_t row, const RECT& rect) { SGDrawCell(column, row, rect); },
          [this](uint16_t& key, ShiftState shift) {
              TabKeyDown(GridControl(), key, shift);
              if (key != 0) SGKeyDown(key, shift);
          },
          [this](POINT point, GridCell cell) { ShowPopupMenu(point, cell); },
          [this] { activeControl_ = GridControl(); }, [this] { FitColumns(); },
          [this](POINT point) { return IsSplitterAtScreenPoint(point); },
          [this](int column) { return data_ ? data_->ColumnTooltipText(column) : std::string(); }}),
      binding_(*this, &application, window_) {
    binding_.Bind();
    SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    LoadNext(file);
}

LRESULT TfmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_SIZE:
            OnSize(LOWORD(lParam), HIWORD(lParam));
            break;
        case WM_ERASEBKGND:
            OnEraseBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_CTLCOLORLISTBOX:
            return reinterpret_cast<LRESULT>(OnListColours(reinterpret_cast<HDC>(wParam)));
        case WM_DRAWITEM:
            if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_DELETEITEM:
            return TRUE;  // the list's entries hold nothing to free
        case WM_SETFOCUS:
            OnSetFocus();
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return OnKeyDown(message, wParam, lParam);
        case WM_SETCURSOR:
            if (OnSetCursor(lParam)) return TRUE;
            break;
        case WM_LBUTTONDOWN:
            OnSplitterButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            OnSplitterDoubleClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSEMOVE:
            OnSplitterMouseMove(GET_X_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
            OnSplitterButtonUp();
            return 0;
        case WM_CAPTURECHANGED:
            EndSplitterDrag();
            return 0;
        case WM_CANCELMODE:
            EndSplitterDrag();
            break;
        case WM_DPICHANGED:
            OnDpiChanged(DpiOfDpiChanged(wParam));
            return 0;
        case WM_DPICHANGED_AFTERPARENT:
            OnDpiChanged(WindowDpi(window_.get()));
            return 0;
        case viewer::kGetTitleTextW:
            return OnGetTitleText(static_cast<size_t>(wParam), reinterpret_cast<wchar_t*>(lParam));
        default:
            break;
    }
    return binding_.Default(message, wParam, lParam);
}

LRESULT TfmMain::OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam) {
    auto key = static_cast<uint16_t>(wParam);
    FormKeyDown(key, ShiftStateOf(lParam));
    if (key == 0) return 0;
    return binding_.Default(message, key, lParam);
}

void TfmMain::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0 && HIWORD(wParam) == 0) {
        PopupMenu::RunCommand(LOWORD(wParam), *this, CurrentCell());  // sent from outside the menu
    } else if (reinterpret_cast<HWND>(lParam) == LB.Handle() && HIWORD(wParam) == LBN_SELCHANGE) {
        LBClick();  // the list notifies only the selections the user makes
    }
}

void TfmMain::OnSize(int width, int height) {
    if (!laidOut_) return;
    PlaceForSize(width, height);
}

void TfmMain::Show() const noexcept { ShowWindow(window_.get(), SW_SHOWMAXIMIZED); }

void TfmMain::LayoutViewerWindow() {
    RECT outer{};
    GetWindowRect(window_.get(), &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    if (data_) {
        PlaceTableView(LayoutTableView(width, height, dpi_));
        activeControl_ = ViewerControl::TableGrid;
        SetFocus(SG.Handle());
        return;
    }
    PlaceControls(laidOut_ ? LayoutViewer(width, height, listWidth_, dpi_) : LayoutViewer(width, height, dpi_));
    view_.SelectEntry(0);
    LB.ShowSelection();
    activeControl_ = ViewerControl::List;
    SetFocus(LB.Handle());
}

// The new file is read whole before anything shown changes, so that a failure leaves the old one in place.
void TfmMain::LoadNext(const ViewerFile& file) {
    if (file.table) {
        ShowTableData(std::make_unique<TableDataView>(file.table->path, file.table->dictionary, *file.table->table));
        dictionaryPath_.clear();  // the list shows no dictionary: Backspace reads the table's
        view_ = DictionaryView();
        LB.ShowEntries();
        tableDictionaryPath_ = file.table->dictionaryPath;
    } else {
        DictionaryView next;
        next.Open(file.path);
        view_ = std::move(next);
        dictionaryPath_ = file.path;
        ShowDictionary();
        LB.ShowEntries();
    }
    SG.ModelChanged();
    if (laidOut_) LayoutViewerWindow();
}

void TfmMain::DestroyViewerWindow() {
    if (!window_) return;
    if (!DestroyWindow(window_.get())) throw LastOsError();
}

void TfmMain::ReleaseDestroyedWindow() noexcept { binding_.ReleaseDestroyedWindow(); }

void TfmMain::AppException(const std::exception& error) noexcept {
    ShowReport(window_.get(), kPluginErrorPrefix, MessageOf(error));
}

// The command runs here, with the cell the menu was opened on, which only this moment knows.
void TfmMain::ShowPopupMenu(POINT screenPoint, GridCell cell) {
    if (const UINT command = PopupMenu::Popup(window_.get(), screenPoint, *this))
        PopupMenu::RunCommand(command, *this, cell);
}

void TfmMain::LBClick() {
    // The grid shows what the table view left, the header row alone included when it failed.
    try {
        view_.SelectTable(LB.SelectedIndex());
    } catch (...) {
        SG.ModelChanged();
        throw;
    }
    SG.ModelChanged();
}

// The field grid's columns follow its width at every painted cell; a table's columns keep what they were given.
void TfmMain::SGDrawCell(int, int32_t, const RECT&) {
    if (!data_) FitGridColumns(SG);
}

void FitGridColumns(StringGrid& grid) {
    for (int round = 0; round < kColumnFitRounds; ++round) {
        const GridColumnLayout columns =
            LayoutGridColumns(grid.OuterWidth(), grid.ClientWidth(), grid.CaptionTextWidths(), grid.DisplayDpi());
        if (!grid.SetColumnLayout(columns)) return;  // the client area kept its size: the columns hold
    }
}

}  // namespace dd
