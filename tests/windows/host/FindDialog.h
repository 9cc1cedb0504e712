#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace dd::host {

// What the Lister stand-in's find dialog asks for.
struct FindRequest {
    std::wstring text;
    bool matchCase = false;
    bool wholeWords = false;
    bool backwards = false;
};

// Shows the find dialog modally (made with the wide functions, so any text can be typed), filled with
// the last request: the confirmed request, or nothing when the user cancels or leaves the text empty.
std::optional<FindRequest> AskFindText(HWND owner, const FindRequest& last);

}  // namespace dd::host
