#pragma once

#include <windows.h>

#include <string>

namespace dd::host {

// The plug-in loaded as the host loads it: LoadLibrary and the three exports by name.
class PluginLibrary {
public:
    using ListGetDetectStringFn = char*(__stdcall*)(char*, int);
    using ListLoadFn = HWND(__stdcall*)(HWND, char*, int);
    using ListCloseWindowFn = void(__stdcall*)(HWND);

    // Fails with std::runtime_error when the library or one of the exports is missing.
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    std::string DetectString(int maxlen = 2048) const;
    // ListGetDetectString itself, for a buffer of the caller's making.
    char* CallDetectString(char* buffer, int maxlen) const { return detectString_(buffer, maxlen); }
    HWND Load(HWND listerWindow, const std::string& path) const;
    void Close(HWND pluginWindow) const { closeWindow_(pluginWindow); }
    // Unloads the library now, as the host does when it lets the plug-in go.
    void Unload() noexcept;

private:
    HMODULE module_ = nullptr;
    ListGetDetectStringFn detectString_ = nullptr;
    ListLoadFn load_ = nullptr;
    ListCloseWindowFn closeWindow_ = nullptr;
};

}  // namespace dd::host
