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

// For a test that answers the dialog as a user would: whether a dialog is this find dialog, and the dialog
// filled with a request and confirmed, or cancelled for none. Called once the dialog is initialised.
bool IsFindDialog(HWND dialog);
void AnswerFindDialog(HWND dialog, const std::optional<FindRequest>& request);

}  // namespace dd::host
