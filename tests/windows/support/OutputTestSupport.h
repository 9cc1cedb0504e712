#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/GridModel.h"
#include "support/OutputFixtures.h"
#include "windows/host/FindDialog.h"
#include "windows/support/PluginTestSupport.h"

// What the suites of the grid's outputs share: the clipboard as a pasting program reads it, a
// clipboard held by another program, the dialogs the plug-in shows answered as a user would, the
// menu commands sent as the context menu sends them, and what the outputs must be.
namespace dd::test {

// Sends a command of the grid's context menu to the viewer, as choosing the item does.
void RunMenuCommand(HWND viewer, UINT command);

// A context menu as it was shown: each item's caption as the menu shows it, its command and whether it could be
// chosen.
struct MenuSeen {
    std::vector<std::wstring> captions;
    std::vector<UINT> commands;
    std::vector<bool> enabled;
};
// Runs `open`, which opens a context menu (a right click, the menu key), reads the menu once it is shown and
// closes it without a choice.
MenuSeen ReadContextMenu(const std::function<void()>& open);
// The grid's menu opened from the keyboard, at the current cell.
MenuSeen ContextMenuOf(HWND grid);

// The clipboard's content as another program reads it.
struct ClipboardContent {
    std::vector<UINT> formats;            // in the order the clipboard lists them
    std::optional<std::string> text;      // CF_TEXT, up to its zero byte
    std::optional<std::wstring> unicode;  // CF_UNICODETEXT, up to its zero character
    std::optional<LCID> locale;           // CF_LOCALE: the locale whose code page CF_TEXT is in
};
ClipboardContent ReadClipboard();
// Puts a text of the test's own on the clipboard, so that a later copy is seen to replace it.
void PutOwnText(const std::string& text);

// Holds the clipboard open from another thread while it lives, as another program may.
class ClipboardHolder {
public:
    ClipboardHolder();
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

private:
    HANDLE events_[2];  // set by the holder once it has the clipboard; set by the owner to release it
    HANDLE thread_;
};

// How the next save dialog is answered: a name typed into it (or the offered one kept) and
// confirmed, or cancel.
struct SaveAnswer {
    std::string typedName;
    bool cancel = false;
    bool keepOffered = false;
};

// A save dialog as it was shown, before it was answered.
struct SaveDialogSeen {
    std::string offeredName;     // the file name box's text
    std::string fileType;        // the file type box's text
    std::wstring wideFileType;   // the same as the box shows it
    bool answeredTwice = false;  // it was still open after its answer and was cancelled then
};

// Answers the dialogs that this thread shows while it lives. A message box is recorded and its OK
// pressed; a question (Yes and No) is recorded and answered as planned, No when nothing is planned.
// A save dialog is recorded once it waits for the user and answered with the next planned answer,
// cancelled when none is left; one still open after its answer is cancelled. The Lister stand-in's find dialog is
// filled with the next planned request and confirmed, or cancelled when none is planned. A context menu that waits
// for the user has the next planned item chosen with the keys (Down to it, Enter), or is closed when
// none is planned.
class DialogDriver {
public:
    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    void PlanSave(SaveAnswer answer);
    void PlanQuestionAnswer(bool yes);
    void PlanMenuChoice(UINT command);
    void PlanFind(host::FindRequest request);
    std::vector<CaughtBox> TakeBoxes();
    std::vector<SaveDialogSeen> TakeSaveDialogs();
    int TakeMenus();        // the context menus shown since the last call
    int TakeFindDialogs();  // the find dialogs shown since the last call

private:
    HHOOK afterHook_;
    HHOOK beforeHook_;
};

// A new, empty folder under the temporary folder (a name that no earlier run left behind), and its
// removal with the files and empty folders in it.
std::string FreshFolder();
void RemoveFolder(const std::string& folder);

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// The names in a folder, sorted.
std::vector<std::string> FolderNames(const std::string& folder);

// A table of a dictionary file as the fuzzer's byte-by-byte reading of it gives it: the list entry's
// text and the grid rows, five cells each. What the grid must hold, found without the reader under test.
struct ReferenceTable {
    std::string entry;
    std::vector<std::vector<std::string>> rows;
};
// The path as the plug-in takes it; a name ending in ".DDS", in any letter case, is read as the SQL edition.
ReferenceTable ReadReferenceTable(const std::string& path, int table);

// What the portable builders (pinned natively by their own tests) make of a reference table: the
// export file and the copied text of one row or of a range. For dictionaries that no fixture pins, the plug-in
// must hand over exactly these.
std::string BuiltExport(bool isSql, const ReferenceTable& table);
std::string BuiltCopiedRow(const ReferenceTable& table, int row);
// What "Copy" copies of a range of the reference table's cells (all of them with select all).
std::string BuiltCopiedRange(const ReferenceTable& table, GridRange range);

// The same text in UTF-16, read as Windows-1251.
std::wstring Utf16FromCp1251(const std::string& text);

// Windows of this thread: top-level ones, message-only ones and their children.
int ThreadWindowCount();

}  // namespace dd::test
