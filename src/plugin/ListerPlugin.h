#pragma once

#include <windows.h>

// The host's Lister plug-in interface as this plug-in implements it: functions with the host's
// calling convention, exported under exactly these names (see ddlister.def). A host that knows the
// wide (W) forms calls them; the ANSI forms serve hosts that know only those.
extern "C" {

// ShowFlags of ListLoad and ListLoadNext, and the flags of lc_newparams: the file manager is dark
// (and Windows' own dark controls are to be used).
inline constexpr int lcp_darkmode = 128;
inline constexpr int lcp_darkmodenative = 256;

// ListSendCommand's commands.
inline constexpr int lc_copy = 1;
inline constexpr int lc_newparams = 2;
inline constexpr int lc_selectall = 3;
inline constexpr int lc_setpercent = 4;

// ListSearchText's flags.
inline constexpr int lcs_findfirst = 1;
inline constexpr int lcs_matchcase = 2;
inline constexpr int lcs_wholewords = 4;
inline constexpr int lcs_backwards = 8;

// What the host tells the plug-in once it has loaded it.
struct ListDefaultParamStruct {
    int size;
    DWORD PluginInterfaceVersionLow;
    DWORD PluginInterfaceVersionHi;
    char DefaultIniName[MAX_PATH];
};

// The results of ListLoadNext, ListSendCommand, ListSearchText and ListPrint.
inline constexpr int LISTPLUGIN_OK = 0;
inline constexpr int LISTPLUGIN_ERROR = 1;

// Copies the detect string into the host's buffer of `maxlen` bytes and returns the buffer.
char* __stdcall ListGetDetectString(char* DetectString, int maxlen);

// Shows the file in a new viewer window inside the Lister window; 0 when the file is not taken or
// the viewer could not be opened.
HWND __stdcall ListLoad(HWND ParentWin, char* FileToLoad, int ShowFlags);
HWND __stdcall ListLoadW(HWND ParentWin, WCHAR* FileToLoad, int ShowFlags);

// Shows another file in the viewer window that ListLoad returned: LISTPLUGIN_OK, or LISTPLUGIN_ERROR
// when the file is not taken (the Lister then tries other plug-ins) or cannot be opened (the viewer
// still shows its file).
int __stdcall ListLoadNext(HWND ParentWin, HWND PluginWin, char* FileToLoad, int ShowFlags);
int __stdcall ListLoadNextW(HWND ParentWin, HWND PluginWin, WCHAR* FileToLoad, int ShowFlags);

// A command of the Lister for the viewer window: LISTPLUGIN_OK when carried out, LISTPLUGIN_ERROR otherwise.
int __stdcall ListSendCommand(HWND ListWin, int Command, int Parameter);

// Tears down the viewer of a window that ListLoad returned.
void __stdcall ListCloseWindow(HWND ListWin);

// The Lister's search (its find dialog, F3, F5) for a text with the lcs_ flags: LISTPLUGIN_OK when the
// viewer shows a hit, LISTPLUGIN_ERROR when there is none (nothing changes then; the host says so).
int __stdcall ListSearchText(HWND ListWin, char* SearchString, int SearchParameter);
int __stdcall ListSearchTextW(HWND ListWin, WCHAR* SearchString, int SearchParameter);

// Print from the Lister's menu: the print dialog with DefPrinter chosen (the default printer when it is
// empty), then the shown table. LISTPLUGIN_ERROR when cancelled or failed.
int __stdcall ListPrint(HWND ListWin, char* FileToPrint, char* DefPrinter, int PrintFlags, RECT* Margins);
int __stdcall ListPrintW(HWND ListWin, WCHAR* FileToPrint, WCHAR* DefPrinter, int PrintFlags, RECT* Margins);

// Called once after loading; the plug-in keeps no settings.
void __stdcall ListSetDefaultParams(ListDefaultParamStruct* dps);
}
