#pragma once

#include <windows.h>

#include <string>

#include "windows/host/HostWindows.h"
#include "windows/host/PluginLibrary.h"

namespace dd::host {

// The file shown and the show flags, as the Lister keeps them while it shows files in the plug-in:
// it opens through ListLoadW (ListLoad without it), steps through the folder's dictionaries with N and
// P through ListLoadNextW (ListLoadNext), and passes a change of colours on through lc_newparams.
class ListerSession {
public:
    ListerSession(const PluginLibrary& plugin, ListerWindow& lister, int showFlags)
        : plugin_(plugin), lister_(lister), showFlags_(showFlags) {}

    bool Open(const std::wstring& file);
    // The next (+1) or the previous (-1) dictionary of the folder in the same plug-in window.
    void Step(int step);
    void SwitchDarkMode();
    // A key the plug-in handed to the Lister window: N and P step through the folder, as the Lister's do.
    void OnKey(WPARAM key);
    // Ctrl+D, the stand-in for the file manager's change of colours, taken before the plug-in's window
    // sees it; true when it was.
    bool TakeKey(const MSG& message);

private:
    void Showing(const std::wstring& file);

    const PluginLibrary& plugin_;
    ListerWindow& lister_;
    int showFlags_;
    std::wstring file_;
};

// A wide text in a code page; CP_ACP for the narrow exports, CP_UTF8 for the console.
std::string Narrow(const std::wstring& text, UINT codePage);

}  // namespace dd::host
