#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "windows/host/HostWindows.h"
#include "windows/host/PluginLibrary.h"

// Rectangles compare and print by their four edges.
inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& rect, std::ostream* out) {
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

// What the Windows suites share: the plug-in loaded as the host loads it, Lister windows, the message
// boxes the plug-in shows, and the list and the grid read through their window messages.
namespace dd::test {

// The built plug-in as a Windows path.
std::string PluginPath();

// The Windows path of a sample dictionary or a real one.
std::string WindowsSamplePath(const std::string& name);

// A message box as the plug-in showed it.
struct CaughtBox {
    std::string text;  // in the system's ANSI code page, as a program of that code page reads it
    std::string caption;
    std::wstring wideText;  // as the box shows it
    std::wstring wideCaption;
    HWND owner = nullptr;
    int buttons = 0;  // the box's push buttons
};

// A message box's dialog read as it stands once initialised.
CaughtBox ReadBox(HWND dialog);

// Catches the message boxes that this thread shows while it lives, records them and presses OK.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;
    std::vector<CaughtBox> Take();

private:
    HHOOK hook_;
};

struct WatchedMessages;

// Counts the messages of one kind that a window receives (sent or posted) while it lives, and what
// the window's procedure was at each of them.
class MessageWatch {
public:
    MessageWatch(HWND window, UINT message);
    ~MessageWatch();
    MessageWatch(const MessageWatch&) = delete;
    MessageWatch& operator=(const MessageWatch&) = delete;
    int Sent() const;
    int Posted() const;
    // The window procedure at each sent message, as GetWindowLongPtrA read it then.
    std::vector<LONG_PTR> ProceduresSeen() const;

private:
    WatchedMessages* watched_;
};

// A viewer as the Lister opened it: the Lister window, the plug-in's window (0 when the file was not
// taken or failed to open) and, in it, the table list and the field grid.
struct OpenedViewer {
    std::unique_ptr<host::ListerWindow> lister;
    HWND viewer = nullptr;
    HWND list = nullptr;
    HWND grid = nullptr;
};

// What a Lister window is like: top-level or embedded in the main window, and its client area's size.
struct ListerShape {
    bool embedded = false;
    int width = 1032;
    int height = 600;
};

// A plug-in loaded for one test, with a "TTOTAL_CMD" main window, unloaded at the end.
class PluginTest : public ::testing::Test {
protected:
    PluginTest();
    host::PluginLibrary& Plugin() { return *plugin_; }
    const host::PluginLibrary& Plugin() const { return *plugin_; }
    host::MainWindowStandIn& MainWindow() { return *mainWindow_; }
    // A top-level Lister window, or one embedded in the main window, with a client area of this size.
    std::unique_ptr<host::ListerWindow> MakeLister(bool embedded = false, int width = 1032, int height = 600);
    // A new Lister window that opens the file at the Windows path through ListLoad.
    OpenedViewer OpenPath(const std::string& path, ListerShape shape = {}, int showFlags = 0);
    // The same for the sample (or real) dictionary of this name.
    OpenedViewer OpenSample(const std::string& name = "1Cv7.DD", ListerShape shape = {}, int showFlags = 0) {
        return OpenPath(WindowsSamplePath(name), shape, showFlags);
    }

private:
    std::unique_ptr<host::PluginLibrary> plugin_;
    std::unique_ptr<host::MainWindowStandIn> mainWindow_;
};

// The viewer's table list and field grid.
HWND ListOf(HWND viewer);
HWND GridOf(HWND viewer);

std::vector<std::string> ListTexts(HWND list);
// The list's entries as the list box holds and shows them (LB_GETTEXTW), as screen readers read them.
std::vector<std::wstring> ListTextsW(HWND list);
// Selects a list entry and notifies the viewer as the list does for the user's selections (an index
// of -1 selects nothing).
void ChooseTable(HWND viewer, int index);
int ListSelection(HWND list);
// The index of the table with the most rows (in the sample 1Cv7.DD: 55 fields, 57 rows); chooses tables on the way.
int BiggestTable(HWND viewer);

// The grid read through its messages.
struct GridState {
    int rowCount = 0;
    int fixedRows = 0;
    int currentColumn = 0;
    int currentRow = 0;
    std::vector<int> widths;
    bool operator==(const GridState&) const = default;
};
GridState ReadGrid(HWND grid);
// The grid's selected range: left and right columns, top and bottom rows.
RECT SelectionOf(HWND grid);
std::string CellText(HWND grid, int column, int row);
// A cell as the grid shows it, in UTF-16 (its wide query).
std::wstring CellTextW(HWND grid, int column, int row);
std::vector<std::vector<std::string>> GridCells(HWND grid);
// The data view's title line above the grid, read through the viewer window's query; empty for a dictionary.
std::wstring TitleText(HWND viewer);
// Every cell as the grid shows it (its wide query), row by row.
std::vector<std::vector<std::wstring>> GridCellsW(HWND grid);

// Posts a key-down to a window as the keyboard would deliver it, with Shift, Ctrl and Alt as given
// (Alt makes it a system key), and handles what follows.
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};
void PressKey(HWND window, WORD key, Modifiers modifiers = {});

RECT WindowBounds(HWND window);  // in the parent's client coordinates
int Width(const RECT& rect);
int Height(const RECT& rect);
// Resizes a window (the viewer, as the host does) to this outer size.
void Resize(HWND window, int width, int height);

// Windows of this process whose class is one of the plug-in's: the form, the grid, the list's tooltip.
int PluginWindowCount();

// A scroll bar of a window as GetScrollInfo reads it (range, page, position); all 0 when it has none.
SCROLLINFO ScrollBarOf(HWND window, int bar);

// A window's client area as the window paints it for WM_PRINTCLIENT, pixel by pixel.
class ClientPicture {
public:
    explicit ClientPicture(HWND window);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel's colour as a COLORREF; CLR_INVALID outside the picture.
    COLORREF At(int x, int y) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// The grid's columns as it lays them out (its widths, one grid line after each), scrolled `offset`
// pixels to the left: the left edge of a column, kGridColumns for the right end of the last grid line.
int GridColumnLeft(const std::vector<int>& widths, int column, int offset, int line = 1);

// A Windows-1251 text as the wide functions take it.
std::wstring WideFrom1251(const std::string& text);
// A text written as a UTF-8 literal (u8"..."), as the wide functions take it.
std::wstring Wide(std::u8string_view utf8);

// A caption's text width in the grid's own font, as the plug-in measures it for the column's minimum.
int CaptionTextWidth(HWND grid, int column);

// The width rule of the field grid at 96 DPI for a grid of this outer width: 200, 300 and the rest in
// thirds, the remainder to the last.
std::vector<int> RuleWidths(int outerWidth);
// The columns as the plug-in fits them at 96 DPI: the rule's widths, none narrower than its caption
// with a 2-pixel text margin on both sides.
std::vector<int> FittedWidths(HWND grid, int outerWidth);

// A fresh folder under the temporary folder, and a file written into it.
std::string MakeTempFolder();
std::string WriteFile(const std::string& folder, const std::string& name, const std::string& bytes);

}  // namespace dd::test
