#include "viewer/HoverTooltip.h"

#include "viewer/ModuleInstance.h"
#include "viewer/OsError.h"

namespace dd {
namespace {

constexpr UINT_PTR kToolId = 1;

void RegisterTooltipClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    if (!registered) throw LastOsError();
}

UniqueWindow CreateTooltipWindow(HWND list) {
    RegisterTooltipClass();
    UniqueWindow window(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                        CW_USEDEFAULT, CW_USEDEFAULT, list, nullptr, ModuleInstance(), nullptr));
    if (!window) throw LastOsError();
    return window;
}

}  // namespace

HoverTooltip::HoverTooltip(HWND list, ExceptionSink* errors)
    : list_(list), window_(CreateTooltipWindow(list)), binding_(*this, errors, window_) {
    TTTOOLINFOW tool = Tool();
    if (!SendMessageW(Handle(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) throw LastOsError();
    binding_.Subclass();
}

TTTOOLINFOW HoverTooltip::Tool() const noexcept {
    TTTOOLINFOW tool{};
    // The size that comctl32 of every version takes, with or without the application's manifest.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = list_;
    tool.uId = kToolId;
    tool.lpszText = const_cast<wchar_t*>(text_.c_str());
    return tool;
}

void HoverTooltip::SetItem(const RECT& itemRect, const std::wstring& text) {
    SendMessageW(Handle(), TTM_POP, 0, 0);
    text_ = text;
    TTTOOLINFOW tool = Tool();
    tool.rect = itemRect;
    SendMessageW(Handle(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(Handle(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void HoverTooltip::ClearItem() { SetItem(RECT{}, std::wstring()); }

void HoverTooltip::Relay(UINT message, WPARAM wParam, LPARAM lParam) const {
    MSG relayed{list_, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    relayed.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(list_, &relayed.pt);
    SendMessageW(Handle(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void HoverTooltip::SetMaximumWidth(int pixels) const { SendMessageW(Handle(), TTM_SETMAXTIPWIDTH, 0, pixels); }

void HoverTooltip::SetColours(COLORREF background, COLORREF text) const {
    SendMessageW(Handle(), TTM_SETTIPBKCOLOR, background, 0);
    SendMessageW(Handle(), TTM_SETTIPTEXTCOLOR, text, 0);
}

}  // namespace dd
