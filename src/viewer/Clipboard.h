#pragma once

#include <windows.h>

#include <string_view>

namespace dd {

// Replaces everything on the clipboard with a text of the system's ANSI code page, on behalf of
// `owner`, or of a private hidden window while there is none (0, or a window that is gone). The
// text ends at its first zero byte. It is placed twice: as CF_TEXT with its bytes unchanged and a
// zero byte, and as CF_UNICODETEXT converted from the ANSI code page, so that a program that pastes
// Unicode gets the same letters whatever keyboard layout was active when the text was copied.
// Fails with "Cannot open clipboard" while another program holds the clipboard (nothing on it
// changes), and with "Cannot copy to clipboard" when the memory for the text cannot be had (the
// clipboard is not emptied). The clipboard is closed, and a block not handed over freed, on every path.
void PutClipboardText(HWND owner, std::string_view text);

}  // namespace dd
