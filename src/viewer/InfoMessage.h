#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

namespace dd {

// The prefixes of the three reports; each ends in a lone carriage return.
inline constexpr std::string_view kOpenErrorPrefix = "Open error:\r";
inline constexpr std::string_view kPluginErrorPrefix = "Plugin Error:\r";
inline constexpr std::string_view kDestroyErrorPrefix = "DestroyWindow error:\r";

// The one message box of the system: caption "Message", an OK button and the information icon,
// modal to the owner when there is one (0 for none). Returns when the user has closed it.
void ShowInfoMessage(HWND owner, const std::string& text) noexcept;

// A question with Yes and No, in a box as the message box is (caption "Message"), the question's icon; the text
// in Windows-1251. True for Yes.
bool AskYesNo(HWND owner, std::string_view text) noexcept;

// The message text of an exception: the system's error keeps its own, bytes of any value included.
std::string_view MessageOf(const std::exception& error) noexcept;

// A report: the prefix followed directly by the error's message.
void ShowReport(HWND owner, std::string_view prefix, std::string_view message) noexcept;

}  // namespace dd
