#pragma once

#include <windows.h>

#include <string>

namespace dd::host {

// The plug-in loaded as the host loads it: LoadLibrary and the exports by name. ListGetDetectString,
// ListLoad and ListCloseWindow must be there; the wide forms, ListLoadNext and ListSendCommand are
// called only when the plug-in exports them, as the file manager does.
class PluginLibrary {
public:
    using ListGetDetectStringFn = char*(__stdcall*)(char*, int);
    using ListLoadFn = HWND(__stdcall*)(HWND, char*, int);
    using ListLoadWFn = HWND(__stdcall*)(HWND, WCHAR*, int);
    using ListLoadNextFn = int(__stdcall*)(HWND, HWND, char*, int);
    using ListLoadNextWFn = int(__stdcall*)(HWND, HWND, WCHAR*, int);
    using ListSendCommandFn = int(__stdcall*)(HWND, int, int);
    using ListCloseWindowFn = void(__stdcall*)(HWND);

    // Fails with std::runtime_error when the library or one of the exports it must have is missing.
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    std::string DetectString(int maxlen = 2048) const;
    // ListGetDetectString itself, for a buffer of the caller's making.
    char* CallDetectString(char* buffer, int maxlen) const { return detectString_(buffer, maxlen); }
    HWND Load(HWND listerWindow, const std::string& path, int showFlags = 0) const;
    void Close(HWND pluginWindow) const { closeWindow_(pluginWindow); }

    // The optional exports. Calling one the plug-in does not export fails with std::logic_error.
    bool HasLoadW() const noexcept { return loadW_ != nullptr; }
    bool HasLoadNextW() const noexcept { return loadNextW_ != nullptr; }
    HWND LoadW(HWND listerWindow, const std::wstring& path, int showFlags = 0) const;
    int LoadNext(HWND listerWindow, HWND pluginWindow, const std::string& path, int showFlags = 0) const;
    int LoadNextW(HWND listerWindow, HWND pluginWindow, const std::wstring& path, int showFlags = 0) const;
    int SendCommand(HWND pluginWindow, int command, int parameter = 0) const;

    // The loaded library, for the exports that others look up; 0 once unloaded.
    HMODULE Module() const noexcept { return module_; }

    // Unloads the library now, as the host does when it lets the plug-in go.
    void Unload() noexcept;

private:
    HMODULE module_ = nullptr;
    ListGetDetectStringFn detectString_ = nullptr;
    ListLoadFn load_ = nullptr;
    ListLoadWFn loadW_ = nullptr;
    ListLoadNextFn loadNext_ = nullptr;
    ListLoadNextWFn loadNextW_ = nullptr;
    ListSendCommandFn sendCommand_ = nullptr;
    ListCloseWindowFn closeWindow_ = nullptr;
};

}  // namespace dd::host
