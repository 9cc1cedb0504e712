#pragma once

#include <windows.h>

#include <string>

namespace dd::host {

// The Lister interface's values, as a host knows them.
inline constexpr int kCopyCommand = 1;        // lc_copy
inline constexpr int kNewParamsCommand = 2;   // lc_newparams
inline constexpr int kSelectAllCommand = 3;   // lc_selectall
inline constexpr int kSetPercentCommand = 4;  // lc_setpercent
inline constexpr int kFindFirst = 1;          // lcs_findfirst
inline constexpr int kMatchCase = 2;          // lcs_matchcase
inline constexpr int kWholeWords = 4;         // lcs_wholewords
inline constexpr int kBackwards = 8;          // lcs_backwards
inline constexpr int kPluginOk = 0;           // LISTPLUGIN_OK
inline constexpr int kPluginError = 1;        // LISTPLUGIN_ERROR

// What the host hands over once after loading the plug-in.
struct DefaultParams {
    int size;
    DWORD PluginInterfaceVersionLow;
    DWORD PluginInterfaceVersionHi;
    char DefaultIniName[MAX_PATH];
};

// The plug-in's exports beyond those that PluginLibrary calls, found by name in the library that a
// PluginLibrary has loaded from the same path: the wide load, loading the next file into a viewer,
// the Lister's commands, its search and its print, as a host calls them. Texts and paths are handed
// over in writable zero-terminated copies, as the host hands them.
class PluginCommands {
public:
    // Fails with std::runtime_error when the library is not loaded or an export is missing.
    explicit PluginCommands(const std::string& path);

    HWND LoadW(HWND listerWindow, const std::wstring& path, int showFlags = 0) const;
    int LoadNext(HWND listerWindow, HWND pluginWindow, const std::string& path, int showFlags = 0) const;
    int LoadNextW(HWND listerWindow, HWND pluginWindow, const std::wstring& path, int showFlags = 0) const;
    int SendCommand(HWND pluginWindow, int command, int parameter = 0) const;
    int SearchText(HWND pluginWindow, const std::string& text, int flags) const;
    int SearchTextW(HWND pluginWindow, const std::wstring& text, int flags) const;
    int Print(HWND pluginWindow, const std::string& file, const std::string& printer) const;
    int PrintW(HWND pluginWindow, const std::wstring& file, const std::wstring& printer) const;
    void SetDefaultParams(DefaultParams& params) const;

private:
    using LoadWFn = HWND(__stdcall*)(HWND, WCHAR*, int);
    using LoadNextFn = int(__stdcall*)(HWND, HWND, char*, int);
    using LoadNextWFn = int(__stdcall*)(HWND, HWND, WCHAR*, int);
    using SendCommandFn = int(__stdcall*)(HWND, int, int);
    using SearchTextFn = int(__stdcall*)(HWND, char*, int);
    using SearchTextWFn = int(__stdcall*)(HWND, WCHAR*, int);
    using PrintFn = int(__stdcall*)(HWND, char*, char*, int, RECT*);
    using PrintWFn = int(__stdcall*)(HWND, WCHAR*, WCHAR*, int, RECT*);
    using SetDefaultParamsFn = void(__stdcall*)(DefaultParams*);

    LoadWFn loadW_ = nullptr;
    LoadNextFn loadNext_ = nullptr;
    LoadNextWFn loadNextW_ = nullptr;
    SendCommandFn sendCommand_ = nullptr;
    SearchTextFn searchText_ = nullptr;
    SearchTextWFn searchTextW_ = nullptr;
    PrintFn print_ = nullptr;
    PrintWFn printW_ = nullptr;
    SetDefaultParamsFn setDefaultParams_ = nullptr;
};

}  // namespace dd::host
