#include "windows/support/OutputTestSupport.h"

#include <dlgs.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "fuzz/ReferenceDictionary.h"
#include "outputs/ClipboardText.h"
#include "outputs/ExportText.h"
#include "windows/host/FindDialog.h"
#include "windows/host/HostWindows.h"

namespace dd::test {
namespace {

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    if (window == nullptr) return {};
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring WideTextOf(HWND window) {
    if (window == nullptr) return {};
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The file name box of the save dialog: an edit box in older templates, a combo box in newer ones.
HWND FileNameBox(HWND dialog) {
    if (HWND edit = GetDlgItem(dialog, edt1)) return edit;
    return GetDlgItem(dialog, cmb13);
}

struct SaveDialogState {
    size_t seenIndex = 0;
    bool answered = false;
};

struct DriverState {
    std::vector<CaughtBox> boxes;
    std::vector<SaveDialogSeen> saveDialogs;
    std::deque<SaveAnswer> saveAnswers;
    std::deque<bool> questionAnswers;
    std::deque<host::FindRequest> findRequests;
    std::map<HWND, SaveDialogState> openSaveDialogs;
    int menus = 0;
    int findDialogs = 0;
    std::deque<UINT> menuChoices;
    UINT_PTR menuTimer = 0;  // closes a menu whose planned keys did not
};
DriverState* driver = nullptr;

bool IsSaveDialog(HWND dialog) { return GetDlgItem(dialog, cmb1) != nullptr && FileNameBox(dialog) != nullptr; }

void OnDialogInitialised(HWND dialog) {
    if (IsSaveDialog(dialog)) {
        driver->openSaveDialogs[dialog] = {driver->saveDialogs.size(), false};
        driver->saveDialogs.emplace_back();
        return;
    }
    if (host::IsFindDialog(dialog)) {
        std::optional<host::FindRequest> request;
        if (!driver->findRequests.empty()) {
            request = driver->findRequests.front();
            driver->findRequests.pop_front();
        }
        ++driver->findDialogs;
        host::AnswerFindDialog(dialog, request);
        return;
    }
    driver->boxes.push_back(ReadBox(dialog));
    if (GetDlgItem(dialog, IDYES) != nullptr) {
        bool yes = false;
        if (!driver->questionAnswers.empty()) {
            yes = driver->questionAnswers.front();
            driver->questionAnswers.pop_front();
        }
        PostMessageA(dialog, WM_COMMAND, yes ? IDYES : IDNO, 0);
    } else {
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }
}

// The save dialog waits for the user: it is read and answered now.
void OnDialogIdle(HWND dialog) {
    const auto found = driver->openSaveDialogs.find(dialog);
    if (found == driver->openSaveDialogs.end()) return;
    SaveDialogSeen& seen = driver->saveDialogs[found->second.seenIndex];
    if (found->second.answered) {
        seen.answeredTwice = true;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    found->second.answered = true;
    seen.offeredName = TextOf(FileNameBox(dialog));
    seen.fileType = TextOf(GetDlgItem(dialog, cmb1));
    seen.wideFileType = WideTextOf(GetDlgItem(dialog, cmb1));
    if (driver->saveAnswers.empty() || driver->saveAnswers.front().cancel) {
        if (!driver->saveAnswers.empty()) driver->saveAnswers.pop_front();
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    const SaveAnswer& answer = driver->saveAnswers.front();
    if (!answer.keepOffered) SetWindowTextA(FileNameBox(dialog), answer.typedName.c_str());
    driver->saveAnswers.pop_front();
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

// A menu that the keys did not close is closed after a while, so that a test fails instead of waiting.
void CALLBACK EndMenuLeftOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (driver != nullptr) driver->menuTimer = 0;
    EndMenu();
}

void StopMenuTimer() {
    if (driver->menuTimer != 0) KillTimer(nullptr, std::exchange(driver->menuTimer, 0));
}

// The menu waits for the user: the next planned item is chosen with the keys a user would press (Down
// to it from the top, Enter), or the menu is closed when none is planned.
void OnMenuIdle(HWND menuWindow) {
    ++driver->menus;
    if (driver->menuChoices.empty()) {
        EndMenu();
        return;
    }
    const UINT command = driver->menuChoices.front();
    driver->menuChoices.pop_front();
    const auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    int position = -1;
    for (int i = 0; i < GetMenuItemCount(menu) && position < 0; ++i) {
        if (GetMenuItemID(menu, i) == command) position = i;
    }
    if (position < 0) {
        EndMenu();
        return;
    }
    for (int i = 0; i <= position; ++i) PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 1);
    StopMenuTimer();
    driver->menuTimer = SetTimer(nullptr, 0, 3000, EndMenuLeftOpen);
}

LRESULT CALLBACK AfterWindowProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && driver != nullptr) {
        if (call->message == WM_INITDIALOG && ClassOf(call->hwnd) == "#32770") OnDialogInitialised(call->hwnd);
        if (call->message == WM_DESTROY) driver->openSaveDialogs.erase(call->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A modal dialog tells its owner when its queue is empty and it waits for input.
LRESULT CALLBACK BeforeWindowProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && driver != nullptr && call->message == WM_ENTERIDLE) {
        if (call->wParam == MSGF_DIALOGBOX) OnDialogIdle(reinterpret_cast<HWND>(call->lParam));
        if (call->wParam == MSGF_MENU) OnMenuIdle(reinterpret_cast<HWND>(call->lParam));
    }
    if (code == HC_ACTION && driver != nullptr && call->message == WM_EXITMENULOOP) {
        StopMenuTimer();  // the menu closed: a later one must not be closed by its timer
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI HoldClipboard(void* parameter) {
    auto* events = static_cast<HANDLE*>(parameter);
    const bool opened = OpenClipboard(nullptr) != FALSE;
    SetEvent(events[0]);
    WaitForSingleObject(events[1], INFINITE);
    if (opened) CloseClipboard();
    return 0;
}

BOOL CALLBACK CountWindowTree(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountThreadTopLevel(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountWindowTree, count);
    return TRUE;
}

}  // namespace

void RunMenuCommand(HWND viewer, UINT command) {
    SendMessageA(viewer, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    host::PumpMessages();
}

namespace {

MenuSeen* menuSeen = nullptr;

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND popup = FindWindowW(L"#32768", nullptr);
    if (popup == nullptr) return;
    KillTimer(nullptr, timer);
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t caption[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), caption, 128, MF_BYPOSITION);
        menuSeen->captions.push_back(caption);
        menuSeen->commands.push_back(GetMenuItemID(menu, i));
        menuSeen->enabled.push_back((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) == 0);
    }
    EndMenu();
}

}  // namespace

MenuSeen ReadContextMenu(const std::function<void()>& open) {
    MenuSeen seen;
    menuSeen = &seen;
    SetTimer(nullptr, 0, 20, ReadOpenMenu);
    open();
    host::PumpMessages();
    menuSeen = nullptr;
    return seen;
}

MenuSeen ContextMenuOf(HWND grid) {
    return ReadContextMenu(
        [grid] { SendMessageW(grid, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid), MAKELPARAM(-1, -1)); });
}

ClipboardContent ReadClipboard() {
    ClipboardContent content;
    for (int attempt = 0; !OpenClipboard(nullptr); ++attempt) {
        if (attempt == 100) throw std::runtime_error("cannot open the clipboard to read it");
        Sleep(10);
    }
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        content.formats.push_back(format);
    }
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            content.text = std::string(bytes);
            GlobalUnlock(data);
        }
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* characters = static_cast<const wchar_t*>(GlobalLock(data))) {
            content.unicode = std::wstring(characters);
            GlobalUnlock(data);
        }
    }
    if (HANDLE data = GetClipboardData(CF_LOCALE)) {
        if (const auto* locale = static_cast<const LCID*>(GlobalLock(data))) {
            content.locale = *locale;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return content;
}

void PutOwnText(const std::string& text) {
    if (!OpenClipboard(nullptr)) throw std::runtime_error("cannot open the clipboard");
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::copy_n(text.c_str(), text.size() + 1, static_cast<char*>(GlobalLock(block)));
    GlobalUnlock(block);
    if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
    CloseClipboard();
}

ClipboardHolder::ClipboardHolder()
    : events_{CreateEventA(nullptr, TRUE, FALSE, nullptr), CreateEventA(nullptr, TRUE, FALSE, nullptr)} {
    thread_ = CreateThread(nullptr, 0, HoldClipboard, events_, 0, nullptr);
    if (thread_ == nullptr) throw std::runtime_error("cannot start the thread that holds the clipboard");
    WaitForSingleObject(events_[0], INFINITE);
}

ClipboardHolder::~ClipboardHolder() {
    SetEvent(events_[1]);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(events_[0]);
    CloseHandle(events_[1]);
}

DialogDriver::DialogDriver() {
    if (driver != nullptr) throw std::logic_error("one dialog driver at a time");
    driver = new DriverState;
    afterHook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterWindowProc, nullptr, GetCurrentThreadId());
    beforeHook_ = SetWindowsHookExA(WH_CALLWNDPROC, BeforeWindowProc, nullptr, GetCurrentThreadId());
    if (afterHook_ == nullptr || beforeHook_ == nullptr) throw std::runtime_error("cannot hook the dialogs");
}

DialogDriver::~DialogDriver() {
    StopMenuTimer();
    UnhookWindowsHookEx(afterHook_);
    UnhookWindowsHookEx(beforeHook_);
    delete std::exchange(driver, nullptr);
}

void DialogDriver::PlanSave(SaveAnswer answer) { driver->saveAnswers.push_back(std::move(answer)); }
void DialogDriver::PlanQuestionAnswer(bool yes) { driver->questionAnswers.push_back(yes); }
void DialogDriver::PlanMenuChoice(UINT command) { driver->menuChoices.push_back(command); }
void DialogDriver::PlanFind(host::FindRequest request) { driver->findRequests.push_back(std::move(request)); }
std::vector<CaughtBox> DialogDriver::TakeBoxes() { return std::exchange(driver->boxes, {}); }
std::vector<SaveDialogSeen> DialogDriver::TakeSaveDialogs() { return std::exchange(driver->saveDialogs, {}); }
int DialogDriver::TakeMenus() { return std::exchange(driver->menus, 0); }
int DialogDriver::TakeFindDialogs() { return std::exchange(driver->findDialogs, 0); }

std::string FreshFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    for (;;) {
        std::string folder = std::string(temp) + "ddlister-outputs-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(GetTickCount64()) + "-" + std::to_string(counter++) + "\\";
        if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make " + folder);
    }
}

void RemoveFolder(const std::string& folder) {
    // Opening a dictionary makes its folder the current one, which could then not be removed.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    SetCurrentDirectoryA(temp);
    for (const std::string& name : FolderNames(folder)) {
        const std::string path = folder + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA(path.c_str())) RemoveDirectoryA(path.c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

std::string ReadOrThrow(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) throw std::runtime_error("cannot read " + path);
    return *bytes;
}

bool IsSqlPath(const std::string& path) {
    if (path.size() < 4) return false;
    std::string extension = path.substr(path.size() - 4);
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension == ".DDS";
}

GridModel GridOfReference(const ReferenceTable& table) {
    GridModel grid(kGridColumns, static_cast<int32_t>(table.rows.size()), 0);
    for (size_t row = 0; row < table.rows.size(); ++row) {
        for (size_t column = 0; column < table.rows[row].size(); ++column) {
            grid.SetCell(static_cast<int>(column), static_cast<int32_t>(row), table.rows[row][column]);
        }
    }
    return grid;
}

}  // namespace

ReferenceTable ReadReferenceTable(const std::string& path, int table) {
    const fuzz::ReferenceDictionary dictionary = fuzz::ReadReferenceDictionary(ReadOrThrow(path));
    ReferenceTable result;
    result.entry = dictionary.entries.at(static_cast<size_t>(table));
    for (const fuzz::ReferenceRow& row : fuzz::ReferenceTableView(dictionary, table, IsSqlPath(path))) {
        result.rows.emplace_back(row.begin(), row.end());
    }
    return result;
}

std::string BuiltExport(bool isSql, const ReferenceTable& table) {
    return ExportFileBytes(isSql, table.entry, GridOfReference(table));
}

std::string BuiltCopiedRow(const ReferenceTable& table, int row) {
    return RowClipboardText(GridOfReference(table), row);
}

std::string BuiltCopiedRange(const ReferenceTable& table, GridRange range) {
    return RangeClipboardText(GridOfReference(table), range);
}

std::wstring Utf16FromCp1251(const std::string& text) {
    if (text.empty()) return {};
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountThreadTopLevel, reinterpret_cast<LPARAM>(&count));
    for (HWND window = nullptr; (window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) != nullptr;) {
        DWORD process = 0;
        if (GetWindowThreadProcessId(window, &process) == GetCurrentThreadId())
            CountThreadTopLevel(window, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

}  // namespace dd::test
