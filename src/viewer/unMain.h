#pragma once

#include <windows.h>

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "layout/ColumnWidths.h"
#include "layout/Dpi.h"
#include "layout/KeyForwarding.h"
#include "layout/Splitter.h"
#include "layout/TabOrder.h"
#include "layout/ViewerLayout.h"
#include "viewer/Palette.h"
#include "viewer/PopupMenu.h"
#include "viewer/StringGrid.h"
#include "viewer/TableListBox.h"
#include "viewer/ViewerApplication.h"
#include "viewer/ViewerFile.h"
#include "viewer/WinHandles.h"
#include "viewer/WindowBase.h"
#include "viewmodel/DictionaryView.h"
#include "viewmodel/TableDataView.h"

namespace dd {

// The viewer form: a child window of the host's Lister window with the table list `LB` on the left
// and the field grid `SG` on the right, the grid's context menu `PopupMenu2`, and the opened
// dictionary (its lines, mode, list and grid) that they show. It shows a table of a base too, in the data
// view: a line that names the table above the same grid, which then shows the table's rows, the list hidden.
// Every window message and menu command runs inside the window base's guard, which hands an escaping exception
// to the application object's route.
class TfmMain : WindowBase<TfmMain> {
public:
    // Creates the form inside the Lister window, records the host's windows, makes the list and the
    // grid and loads the dictionary, which ends with its first table in the grid, or opens the base's table
    // in the data view. Nothing is shown yet. A failure destroys whatever was made and passes the error on.
    TfmMain(HWND listerWnd, const ViewerFile& file, ViewerApplication& application);

    // The viewer window; 0 once it has been destroyed.
    HWND Handle() const noexcept { return window_.get(); }
    void Show() const noexcept;
    // Places the list and the grid in the window, fits the grid's columns, selects the first table
    // (without running LBClick again) and gives the list the focus. The first placement is the one the
    // viewer has always opened with, the list giving way to the grid's minimum in a small window as on a
    // resize; later ones keep the splitter where it was dragged.
    void LayoutViewerWindow();
    // Shows the file in place of the one shown, as opening shows it: a dictionary with its first table,
    // the current cell on the captions, the list focused; a base's table from its first row. A failure leaves
    // the viewer showing its file.
    void LoadNext(const ViewerFile& file);
    // Whether the viewer shows a base's table (the data view) rather than a dictionary.
    bool ShowsTable() const noexcept { return data_ != nullptr; }
    // Enter in the list or the field grid, "Открыть данные": the selected table's rows in the data view, when
    // the dictionary is of the DBF edition and the table's file is in its folder (whether it is: the menu's
    // item is greyed otherwise). Fails with the table's error, the dictionary still shown.
    void OpenSelectedTableData();
    bool CanOpenSelectedTableData() const;
    // Backspace in the data view: the dictionary again, the table selected, the list focused.
    void BackToDictionary();
    // The host's flags of how to show files: with lcp_darkmode the form, the list and the grid repaint
    // at once in the dark palette (and with lcp_darkmodenative the scroll bars take Windows' dark
    // theme), without it in the system's colours again.
    void SetShowFlags(int flags);
    // Destroys the viewer window with its controls; fails with the system's error when Windows refuses.
    void DestroyViewerWindow();
    // Lets go of a window that Windows is already destroying (its parent is going): the form no longer
    // answers its messages, and the controls are destroyed with the form object.
    void ReleaseDestroyedWindow() noexcept;
    // The application's exception route while this is the newest viewer: "Plugin Error:\r" and the
    // message, in a box owned by the viewer window.
    void AppException(const std::exception& error) noexcept;

    // What the menu commands work with: the opened dictionary (its mode, the selected table's list
    // text, the grid with its current cell), the grid's column widths in 96-DPI pixels (as the print
    // commands take them, so that a print is the same at any resolution), the application object.
    const DictionaryView& View() const noexcept { return view_; }
    const GridModel& Grid() const noexcept { return view_.Grid(); }
    GridCell CurrentCell() const noexcept { return view_.Grid().Current(); }
    ColumnWidths CurrentColumnWidths() const noexcept { return UnscaledColumnWidths(SG.Widths(), dpi_); }
    ViewerApplication& App() const noexcept { return application_; }

    // Event handlers.
    void LBClick();
    void SGDrawCell(int column, int32_t row, const RECT& rect);
    void FormKeyDown(uint16_t& key, ShiftState shift);
    void LBKeyDown(uint16_t& key, ShiftState shift);
    void SGKeyDown(uint16_t& key, ShiftState shift);
    void N3Click(GridCell cell);  // copy the cell the menu was opened on (the current cell from outside)
    void N6Click(GridCell cell);  // copy that cell's row
    void N4Click();               // print
    void N1Click();               // save to a file
    void N5Click();               // close
    void N7Click();               // the data view: save the table as CSV
    void N8Click();               // open the selected table's rows
    void AboutClick();

    // The Lister's commands (ListerCommands.cpp). A search for a Windows-1251 text with the Lister's flags
    // (kFindFirst, ...), by DictionaryView::Find's rules: a hit selects its table in the list, makes its
    // cell current and the selection, scrolls it into view and returns true; no hit changes nothing.
    bool FindText(std::string_view text, int flags);
    // Copy (Ctrl+C, the Lister's lc_copy): the selected range, or else the current cell, to the clipboard.
    void CopySelection();
    // Ctrl+C in the list: the selected table's description and identifier to the clipboard.
    void CopySelectedTable();
    // Select all (Ctrl+A, the Lister's lc_selectall): every cell of the grid, without scrolling.
    void SelectAllCells();
    // Print from the Lister's menu: the print dialog with the named printer chosen (the default one for
    // an empty name), then the pages of "Печать" on the printer chosen. False when the user cancels.
    bool PrintWithDialog(const std::wstring& printerName);

private:
    friend class WindowBase<TfmMain>;
    // The form finds its object through a window property: its user data belongs to the host link
    // (WindowLink), which the plug-in's HostWndProc keeps there. The form takes few messages but for
    // the list's WM_DELETEITEM, one per entry, which come in a run and find the form without a trip to
    // Wine's server after the first.
    static constexpr ObjectSlot kObjectSlot{L"ddlister.TfmMain"};

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnSize(int width, int height);
    // The form's colours (ColourHandlers.cpp): its margins, the list's ground and the list's entries.
    void OnEraseBackground(HDC dc) const;
    HBRUSH OnListColours(HDC dc) const;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) const;
    void ApplyColourScheme(ColourScheme scheme);
    // Shows the grid's menu and runs the command chosen on the cell it was opened on.
    void ShowPopupMenu(POINT screenPoint, GridCell cell);
    // The Lister gives the viewer window the focus after loading and whenever its window is activated;
    // the keys belong to the control that had the focus last.
    void OnSetFocus();
    HWND ControlHandle(ViewerControl control) const noexcept;
    void PostToLister(uint16_t key) const noexcept;
    void RunKeyDecision(const FormKeyDecision& decision);

    // Placement (LayoutHandlers.cpp): the list and the grid where a layout puts them, the grid's columns
    // fitted to its new width; the layout of the window's present size with the list's width; a change
    // of the screen's resolution. In the data view the title line and the grid below it, the columns kept.
    void PlaceControls(const ViewerLayout& layout);
    void PlaceTableView(const TableViewLayout& layout);
    void PlaceForSize(int width, int height);
    void FitColumns();
    // The data view (TableViewHandlers.cpp): the grid shows the table's rows with their own columns, or the
    // field grid again; the title line painted above.
    void ShowTableData(std::unique_ptr<TableDataView> data);
    void ShowDictionary();
    void FitTableColumns();
    // The selected table's file in the dictionary's folder, with the dictionary as the cache holds it; nothing
    // for a table without a file, a dictionary of the SQL edition or the data view itself.
    std::optional<BaseTableFile> SelectedTableFile() const;
    void PaintTitle(HDC dc) const;
    // The title line for the query message (ViewerMessages.h): its length, copied into the buffer as far as it fits.
    LRESULT OnGetTitleText(size_t room, wchar_t* buffer) const;
    ViewerControl GridControl() const noexcept { return data_ ? ViewerControl::TableGrid : ViewerControl::Grid; }
    ViewerLayout LayoutForListWidth() const;
    void OnDpiChanged(Dpi dpi);

    // The splitter (SplitterHandlers.cpp): the cursor over its zone, a drag with the mouse captured, a
    // double click that puts it back. The list and the grid let the mouse through over their borders.
    bool IsSplitterAtScreenPoint(POINT screenPoint) const;
    bool OnSetCursor(LPARAM lParam);
    void OnSplitterButtonDown(int x, int y);
    void OnSplitterMouseMove(int x);
    void OnSplitterButtonUp();
    void OnSplitterDoubleClick(int x, int y);
    void EndSplitterDrag() noexcept;

    // Tab and Shift+Tab between the list and the grid (FocusHandlers.cpp); a key that moved the focus is consumed.
    void TabKeyDown(ViewerControl from, uint16_t& key, ShiftState shift);

    ViewerApplication& application_;
    // The resolution every size is scaled to: the Lister window's at first, then what WM_DPICHANGED says.
    Dpi dpi_;
    // Where the list and the grid stand; declared before them, since they ask for the splitter's zone.
    ViewerLayout placed_;
    bool laidOut_ = false;  // the controls follow the window's size from the first placement on
    int listWidth_ = 0;     // the splitter's place, for as long as the window lives
    ViewerControl activeControl_ = ViewerControl::List;  // the control that had the focus last
    std::optional<SplitterDrag> splitterDrag_;
    UniqueFont font_;
    UniqueWindow window_;

public:
    // The host's windows, recorded first of all once the viewer window has been made.
    const HWND HostMainWnd;  // the first window of class "TTOTAL_CMD"; 0 when there is none
    const HWND ListerWnd;
    const bool ListerIsEmbedded;  // the Lister window is the child of another window
    // The save dialog's file name: empty at first, then the last one chosen, for the life of the viewer.
    std::string SaveDialog1FileName;

private:
    Palette palette_;  // before the controls, which paint with it
    DictionaryView view_;
    std::string dictionaryPath_;           // the file view_ was opened from; empty until a dictionary is shown
    std::unique_ptr<TableDataView> data_;  // the data view's table, while it is shown
    std::string tableDictionaryPath_;      // the dictionary beside that table, which Backspace shows
    TableViewLayout tablePlaced_;
    TableListBox LB;
    StringGrid SG;
    int showFlags_ = 0;
    // Declared last: the form is bound once its controls exist, and unbound before any member is
    // destroyed, so that no message reaches a form whose members are going.
    Binding binding_;
};

// Sets the grid's five column widths from its current outer width by the width rule, none narrower than
// its caption, and whether the columns scroll sideways.
void FitGridColumns(StringGrid& grid);

}  // namespace dd
