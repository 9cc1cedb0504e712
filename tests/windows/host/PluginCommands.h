#pragma once

#include <windows.h>

#include <string>

#include "windows/host/ListerInterface.h"
#include "windows/host/PluginLibrary.h"

namespace dd::host {

// The Lister's search, print and default parameters, found by name in a loaded plug-in, as a host
// calls them. Texts and paths are handed over in writable zero-terminated copies, as the host hands them.
class PluginCommands {
public:
    // Fails with std::runtime_error when an export is missing.
    explicit PluginCommands(const PluginLibrary& plugin);

    int SearchText(HWND pluginWindow, const std::string& text, int flags) const;
    int SearchTextW(HWND pluginWindow, const std::wstring& text, int flags) const;
    int Print(HWND pluginWindow, const std::string& file, const std::string& printer) const;
    int PrintW(HWND pluginWindow, const std::wstring& file, const std::wstring& printer) const;
    void SetDefaultParams(DefaultParams& params) const;

private:
    using SearchTextFn = int(__stdcall*)(HWND, char*, int);
    using SearchTextWFn = int(__stdcall*)(HWND, WCHAR*, int);
    using PrintFn = int(__stdcall*)(HWND, char*, char*, int, RECT*);
    using PrintWFn = int(__stdcall*)(HWND, WCHAR*, WCHAR*, int, RECT*);
    using SetDefaultParamsFn = void(__stdcall*)(DefaultParams*);

    SearchTextFn searchText_ = nullptr;
    SearchTextWFn searchTextW_ = nullptr;
    PrintFn print_ = nullptr;
    PrintWFn printW_ = nullptr;
    SetDefaultParamsFn setDefaultParams_ = nullptr;
};

}  // namespace dd::host
