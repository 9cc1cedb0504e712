#include "windows/support/PluginTestSupport.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "platform/win32/WideText.h"
#include "support/TestPaths.h"
#include "viewer/GridMessages.h"
#include "viewer/ViewerMessages.h"
#include "windows/host/DpiAwareness.h"
#include "windows/support/WindowPicture.h"

namespace dd::test {

struct WatchedMessages {
    HWND window;
    UINT message;
    int sent = 0;
    int posted = 0;
    std::vector<LONG_PTR> procedures;
};

namespace {

// Under Wine without a window manager every top-level window that Wine hands to the (absent) manager
// costs a two-second wait when it goes; the suites' windows are left to Wine alone. Set before any
// window exists, which is when Wine reads it; elsewhere the key means nothing.
const bool unmanagedWindows = [] {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool set = RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}();

// The suites host the plug-in as the file manager does: aware of the screen's resolution, so that the
// plug-in is told the resolution the screen has. Set before any window exists.
const bool dpiAware = [] {
    host::MakeProcessDpiAware();
    return true;
}();

std::vector<CaughtBox>* caughtBoxes = nullptr;

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Reads a message box once its dialog is initialised and presses its OK button.
LRESULT CALLBACK AfterWindowProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG && caughtBoxes != nullptr &&
        ClassOf(call->hwnd) == "#32770") {
        caughtBoxes->push_back(ReadBox(call->hwnd));
        PostMessageA(call->hwnd, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<WatchedMessages*> watches;
HHOOK sentHook = nullptr;
HHOOK postedHook = nullptr;

LRESULT CALLBACK SentProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION) {
        for (WatchedMessages* watch : watches) {
            if (call->hwnd == watch->window && call->message == watch->message) {
                ++watch->sent;
                watch->procedures.push_back(GetWindowLongPtrA(call->hwnd, GWLP_WNDPROC));
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PostedProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        for (WatchedMessages* watch : watches) {
            if (message->hwnd == watch->window && message->message == watch->message) ++watch->posted;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK CountPluginWindow(HWND window, LPARAM count) {
    const std::string name = ClassOf(window);
    // The suites make no tooltips of their own: every one is the list's.
    if (name == "TfmMain" || name == "TDdStringGrid" || name == "tooltips_class32") ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountInTopLevel(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    CountPluginWindow(window, count);
    EnumChildWindows(window, CountPluginWindow, count);
    return TRUE;
}

}  // namespace

namespace {

BOOL CALLBACK CountButton(HWND child, LPARAM count) {
    // The box is not shown yet when it is read, so its buttons' own visibility counts.
    if (ClassOf(child) == "Button" && (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) != 0) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

}  // namespace

CaughtBox ReadBox(HWND dialog) {
    CaughtBox box;
    char text[4096] = {};
    GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
    box.text = text;
    char caption[256] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    box.caption = caption;
    wchar_t wideText[4096] = {};
    GetWindowTextW(GetDlgItem(dialog, 0xFFFF), wideText, 4096);
    box.wideText = wideText;
    wchar_t wideCaption[256] = {};
    GetWindowTextW(dialog, wideCaption, 256);
    box.wideCaption = wideCaption;
    box.owner = GetWindow(dialog, GW_OWNER);
    EnumChildWindows(dialog, CountButton, reinterpret_cast<LPARAM>(&box.buttons));
    return box;
}

std::string PluginPath() { return TestPath(DD_PLUGIN_PATH); }

std::string WindowsSamplePath(const std::string& name) { return SamplePath(name); }

MessageBoxCatcher::MessageBoxCatcher()
    : hook_(SetWindowsHookExA(WH_CALLWNDPROCRET, AfterWindowProc, nullptr, GetCurrentThreadId())) {
    if (hook_ == nullptr) throw std::runtime_error("cannot hook the message boxes");
    caughtBoxes = new std::vector<CaughtBox>;
}

MessageBoxCatcher::~MessageBoxCatcher() {
    UnhookWindowsHookEx(hook_);
    delete std::exchange(caughtBoxes, nullptr);
}

std::vector<CaughtBox> MessageBoxCatcher::Take() { return std::exchange(*caughtBoxes, {}); }

MessageWatch::MessageWatch(HWND window, UINT message) : watched_(new WatchedMessages{window, message, 0, 0, {}}) {
    if (watches.empty()) {  // one pair of hooks serves every watch
        sentHook = SetWindowsHookExA(WH_CALLWNDPROC, SentProc, nullptr, GetCurrentThreadId());
        postedHook = SetWindowsHookExA(WH_GETMESSAGE, PostedProc, nullptr, GetCurrentThreadId());
    }
    watches.push_back(watched_);
}

MessageWatch::~MessageWatch() {
    std::erase(watches, watched_);
    delete watched_;
    if (watches.empty()) {
        UnhookWindowsHookEx(sentHook);
        UnhookWindowsHookEx(postedHook);
    }
}

int MessageWatch::Sent() const { return watched_->sent; }
int MessageWatch::Posted() const { return watched_->posted; }
std::vector<LONG_PTR> MessageWatch::ProceduresSeen() const { return watched_->procedures; }

PluginTest::PluginTest()
    : plugin_(std::make_unique<host::PluginLibrary>(PluginPath())),
      mainWindow_(std::make_unique<host::MainWindowStandIn>(false)) {}

std::unique_ptr<host::ListerWindow> PluginTest::MakeLister(bool embedded, int width, int height) {
    host::ListerWindowArgs args;
    args.plugin = plugin_.get();
    args.parent = embedded ? mainWindow_->Handle() : nullptr;
    args.bounds = embedded ? RECT{0, 0, width, height} : RECT{30, 30, 30 + width, 30 + height};
    return std::make_unique<host::ListerWindow>(args);
}

OpenedViewer PluginTest::OpenPath(const std::string& path, ListerShape shape, int showFlags) {
    OpenedViewer opened;
    opened.lister = MakeLister(shape.embedded, shape.width, shape.height);
    opened.viewer = opened.lister->Load(path, showFlags);
    if (opened.viewer != nullptr) {
        opened.list = ListOf(opened.viewer);
        opened.grid = GridOf(opened.viewer);
    }
    return opened;
}

HWND ListOf(HWND viewer) { return FindWindowExA(viewer, nullptr, "ListBox", nullptr); }

HWND GridOf(HWND viewer) { return FindWindowExW(viewer, nullptr, grid::kClassName, nullptr); }

std::vector<std::string> ListTexts(HWND list) {
    std::vector<std::string> texts;
    const auto count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(std::strlen(text.c_str()));
        texts.push_back(text);
    }
    return texts;
}

std::vector<std::wstring> ListTextsW(HWND list) {
    std::vector<std::wstring> texts;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        const LRESULT copied = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
        texts.push_back(text);
    }
    return texts;
}

void ChooseTable(HWND viewer, int index) {
    const HWND list = ListOf(viewer);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(viewer, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

int BiggestTable(HWND viewer) {
    const HWND list = ListOf(viewer);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    int best = 0;
    int bestRows = 0;
    for (int i = 0; i < count; ++i) {
        ChooseTable(viewer, i);
        const int rows = ReadGrid(GridOf(viewer)).rowCount;
        if (rows > bestRows) best = i, bestRows = rows;
    }
    return best;
}

int ListSelection(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

GridState ReadGrid(HWND grid) {
    GridState state;
    state.rowCount = static_cast<int>(SendMessageA(grid, grid::kGetRowCount, 0, 0));
    state.fixedRows = static_cast<int>(SendMessageA(grid, grid::kGetFixedRows, 0, 0));
    state.currentColumn = static_cast<int>(SendMessageA(grid, grid::kGetCurrentColumn, 0, 0));
    state.currentRow = static_cast<int>(SendMessageA(grid, grid::kGetCurrentRow, 0, 0));
    const auto columns = SendMessageA(grid, grid::kGetColumnCount, 0, 0);
    for (LRESULT c = 0; c < columns; ++c) {
        state.widths.push_back(static_cast<int>(SendMessageA(grid, grid::kGetColumnWidth, c, 0)));
    }
    return state;
}

RECT SelectionOf(HWND grid) {
    RECT range{};
    SendMessageA(grid, grid::kGetSelection, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

std::string CellText(HWND grid, int column, int row) {
    grid::CellText request{column, row, nullptr, 0};
    const auto length = SendMessageA(grid, grid::kGetCellText, 0, reinterpret_cast<LPARAM>(&request));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    request.buffer = text.data();
    request.bufferSize = static_cast<int>(text.size());
    SendMessageA(grid, grid::kGetCellText, 0, reinterpret_cast<LPARAM>(&request));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::wstring CellTextW(HWND grid, int column, int row) {
    grid::CellTextW request{column, row, nullptr, 0};
    const auto length = SendMessageW(grid, grid::kGetCellTextW, 0, reinterpret_cast<LPARAM>(&request));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    request.buffer = text.data();
    request.bufferSize = static_cast<int>(text.size());
    SendMessageW(grid, grid::kGetCellTextW, 0, reinterpret_cast<LPARAM>(&request));
    text.resize(static_cast<size_t>(length));
    return text;
}

namespace {

// Every cell of the grid, row by row, read by `cell`.
template <typename Text>
std::vector<std::vector<Text>> AllCells(HWND grid, Text (*cell)(HWND, int, int)) {
    const GridState state = ReadGrid(grid);
    std::vector<std::vector<Text>> rows;
    for (int row = 0; row < state.rowCount; ++row) {
        rows.emplace_back();
        for (int column = 0; column < static_cast<int>(state.widths.size()); ++column)
            rows.back().push_back(cell(grid, column, row));
    }
    return rows;
}

}  // namespace

std::vector<std::vector<std::string>> GridCells(HWND grid) { return AllCells(grid, CellText); }

std::vector<std::vector<std::wstring>> GridCellsW(HWND grid) { return AllCells(grid, CellTextW); }

std::wstring TitleText(HWND viewer) {
    const auto length = SendMessageW(viewer, viewer::kGetTitleTextW, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(viewer, viewer::kGetTitleTextW, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void PressKey(HWND window, WORD key, Modifiers modifiers) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = modifiers.shift ? 0x80 : 0;
    state[VK_CONTROL] = modifiers.ctrl ? 0x80 : 0;
    state[VK_MENU] = modifiers.alt ? 0x80 : 0;
    SetKeyboardState(state);
    const LPARAM data = 1 | (modifiers.alt ? LPARAM{1} << 29 : 0);
    PostMessageA(window, modifiers.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, data);
    host::PumpMessages();
    state[VK_SHIFT] = state[VK_CONTROL] = state[VK_MENU] = 0;
    SetKeyboardState(state);
}

RECT WindowBounds(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

void Resize(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SCROLLINFO ScrollBarOf(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(window, bar, &info)) info = SCROLLINFO{sizeof info, 0, 0, 0, 0, 0, 0};
    return info;
}

ClientPicture::ClientPicture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    if (width_ <= 0 || height_ <= 0) return;
    const PixelCanvas canvas(nullptr, width_, height_);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    const std::vector<uint32_t> pixels = canvas.Pixels();
    pixels_.resize(pixels.size());
    for (size_t i = 0; i < pixels_.size(); ++i) {
        const uint32_t bgr = pixels[i];  // 0x00RRGGBB in the DIB; a COLORREF is 0x00BBGGRR
        pixels_[i] = RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
}

COLORREF ClientPicture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

std::wstring WideFrom1251(const std::string& text) {
    if (text.empty()) return {};
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(static_cast<size_t>(std::max(length, 0)));
    return wide;
}

std::wstring Wide(std::u8string_view utf8) {
    return WideFromUtf8({reinterpret_cast<const char*>(utf8.data()), utf8.size()});
}

int GridColumnLeft(const std::vector<int>& widths, int column, int offset, int line) {
    int left = -offset;
    for (int c = 0; c < column && c < static_cast<int>(widths.size()); ++c)
        left += widths[static_cast<size_t>(c)] + line;
    return left;
}

int CaptionTextWidth(HWND grid, int column) {
    const std::wstring caption = WideFrom1251(CellText(grid, column, 0));
    const HDC dc = GetDC(grid);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(grid, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, caption.data(), static_cast<int>(caption.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(grid, dc);
    return size.cx;
}

std::vector<int> RuleWidths(int outerWidth) {
    const int third = (outerWidth - 500) / 3;
    return {200, 300, third, third, outerWidth - 500 - 2 * third};
}

std::vector<int> FittedWidths(HWND grid, int outerWidth) {
    std::vector<int> widths = RuleWidths(outerWidth);
    for (size_t column = 0; column < widths.size(); ++column)
        widths[column] = std::max(widths[column], CaptionTextWidth(grid, static_cast<int>(column)) + 4);
    return widths;
}

int PluginWindowCount() {
    int count = 0;
    EnumWindows(CountInTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

std::string MakeTempFolder() {
    // A new folder every time: process ids come round again under Wine, so a name made of them alone
    // could find the files of an earlier run.
    static std::atomic<int> counter{0};
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    for (;;) {
        const std::string folder = std::string(temp) + "ddlister-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                                   std::to_string(GetTickCount64()) + "-" + std::to_string(counter++) + "\\";
        if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return folder;
    }
}

std::string WriteFile(const std::string& folder, const std::string& name, const std::string& bytes) {
    const std::string path = folder + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

}  // namespace dd::test
