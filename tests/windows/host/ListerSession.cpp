#include "windows/host/ListerSession.h"

#include <algorithm>
#include <cstdio>

#include "windows/host/FolderDictionaries.h"
#include "windows/host/ListerInterface.h"

namespace dd::host {
namespace {

bool Pressed(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

std::string Narrow(const std::wstring& text, UINT codePage) {
    const int size =
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr, nullptr);
    return narrow;
}

bool ListerSession::Open(const std::wstring& file) {
    const HWND window =
        plugin_.HasLoadW() ? lister_.LoadW(file, showFlags_) : lister_.Load(Narrow(file, CP_ACP), showFlags_);
    if (window == nullptr) return false;
    Showing(file);
    return true;
}

// As the Lister: a file the plug-in does not take (a DBF that is no table of a base) is passed over.
void ListerSession::Step(int step) {
    for (std::wstring next = NeighbourDictionary(file_, step); !next.empty(); next = NeighbourDictionary(next, step)) {
        const int result = plugin_.HasLoadNextW() ? lister_.LoadNextW(next, showFlags_)
                                                  : lister_.LoadNext(Narrow(next, CP_ACP), showFlags_);
        if (result == kPluginOk) {
            Showing(next);
            break;
        }
        std::printf("ddhost: the plug-in did not take %s\n", Narrow(next, CP_UTF8).c_str());
    }
    std::fflush(stdout);
}

void ListerSession::SwitchDarkMode() {
    showFlags_ ^= kDarkMode;
    plugin_.SendCommand(lister_.PluginWindow(), kNewParamsCommand, showFlags_);
}

void ListerSession::OnKey(WPARAM key) {
    if (lister_.PluginWindow() == nullptr || (key != 'N' && key != 'P')) return;
    Step(key == 'N' ? 1 : -1);
}

bool ListerSession::TakeKey(const MSG& message) {
    if (lister_.PluginWindow() == nullptr || message.message != WM_KEYDOWN || message.wParam != 'D') return false;
    if (!Pressed(VK_CONTROL) || Pressed(VK_MENU) || Pressed(VK_SHIFT)) return false;
    SwitchDarkMode();
    return true;
}

void ListerSession::Showing(const std::wstring& file) {
    file_ = file;
    SetWindowTextW(lister_.Handle(), (L"Lister - " + file).c_str());
}

}  // namespace dd::host
