#pragma once

#include <windows.h>

#include <string>

#include "windows/host/FindDialog.h"
#include "windows/host/HostWindows.h"
#include "windows/host/PluginCommands.h"

namespace dd::host {

// The Lister's search: F7 asks for the text and finds its first hit; F3 and F5 find the next one in the
// direction asked for, Shift+F3 and Shift+F5 in the other.
class ListerSearch {
public:
    explicit ListerSearch(const PluginCommands& commands) : commands_(commands) {}
    // The Lister window whose plug-in is searched, once it is made.
    void Attach(const ListerWindow& lister) { lister_ = &lister; }

    void OnKey(WPARAM key);
    void FindFirst(const std::wstring& text);

private:
    void Ask();
    void Find(int flags);

    const PluginCommands& commands_;
    const ListerWindow* lister_ = nullptr;
    FindRequest last_;
};

}  // namespace dd::host
