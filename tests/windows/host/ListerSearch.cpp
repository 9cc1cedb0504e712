#include "windows/host/ListerSearch.h"

namespace dd::host {
namespace {

int Flags(bool matchCase, bool wholeWords, bool backwards) {
    return (matchCase ? kMatchCase : 0) | (wholeWords ? kWholeWords : 0) | (backwards ? kBackwards : 0);
}

}  // namespace

void ListerSearch::OnKey(WPARAM key) {
    if (lister_ == nullptr) return;
    if (key == VK_F7) return Ask();
    if (key != VK_F3 && key != VK_F5) return;
    if (last_.text.empty()) return Ask();
    const bool backwards = last_.backwards != (GetKeyState(VK_SHIFT) < 0);
    Find(Flags(last_.matchCase, last_.wholeWords, backwards));
}

void ListerSearch::FindFirst(const std::wstring& text) {
    last_.text = text;
    Find(kFindFirst);
}

void ListerSearch::Ask() {
    const auto request = AskFindText(lister_->Handle(), last_);
    if (!request) return;
    last_ = *request;
    Find(kFindFirst | Flags(last_.matchCase, last_.wholeWords, last_.backwards));
}

void ListerSearch::Find(int flags) {
    if (lister_ == nullptr || lister_->PluginWindow() == nullptr) return;
    if (commands_.SearchTextW(lister_->PluginWindow(), last_.text, flags) == kPluginOk) return;
    // As the Lister: the plug-in says nothing when there is no hit.
    const std::wstring message = L"\"" + last_.text + L"\" not found.";
    MessageBoxW(lister_->Handle(), message.c_str(), L"Lister", MB_OK | MB_ICONINFORMATION);
}

}  // namespace dd::host
