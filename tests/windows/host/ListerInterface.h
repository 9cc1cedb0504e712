#pragma once

#include <windows.h>

namespace dd::host {

// The Lister interface's values, as a host knows them.
inline constexpr int kCopyCommand = 1;        // lc_copy
inline constexpr int kNewParamsCommand = 2;   // lc_newparams
inline constexpr int kSelectAllCommand = 3;   // lc_selectall
inline constexpr int kSetPercentCommand = 4;  // lc_setpercent
inline constexpr int kDarkMode = 128;         // lcp_darkmode
inline constexpr int kDarkModeNative = 256;   // lcp_darkmodenative
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

}  // namespace dd::host
