#include "viewer/InfoMessage.h"

#include <new>

#include "dictionary/Error.h"
#include "platform/win32/WideText.h"

namespace dd {

void ShowInfoMessage(HWND owner, const std::string& text) noexcept {
    MessageBoxW(owner, WideFromUtf8(text).c_str(), L"Message", MB_OK | MB_ICONINFORMATION);
}

bool AskYesNo(HWND owner, std::string_view text) noexcept {
    try {
        return MessageBoxW(owner, WideFromCp1251(text).c_str(), L"Message", MB_YESNO | MB_ICONQUESTION) == IDYES;
    } catch (...) {  // no memory for the text: nothing is asked, and nothing done
        return false;
    }
}

std::string_view MessageOf(const std::exception& error) noexcept {
    if (const auto* own = dynamic_cast<const Error*>(&error)) return own->Message();
    // Memory that runs out in any handler reads as the system's error, as it does while loading.
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return kNotEnoughMemoryMessage;
    return error.what();
}

void ShowReport(HWND owner, std::string_view prefix, std::string_view message) noexcept {
    try {
        std::string text(prefix);
        text.append(message);
        ShowInfoMessage(owner, text);
    } catch (...) {  // no memory left even for the text: there is nothing to show
    }
}

}  // namespace dd
