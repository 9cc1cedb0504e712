#pragma once

#include <windows.h>

#include <string_view>

namespace dd {

// Replaces everything on the clipboard with a Windows-1251 text, on behalf of `owner`, or of a
// private hidden window while there is none (0, or a window that is gone). The text ends at its first
// zero byte. It is placed as CF_TEXT with its bytes unchanged and a zero byte, as CF_UNICODETEXT
// converted from Windows-1251 (whatever the system's code page or the active keyboard layout), and with
// CF_LOCALE Russian (0x0419), so that a program that pastes CF_TEXT converts its bytes right on any system.
// Fails with "Cannot open clipboard" while another program holds the clipboard (nothing on it
// changes), and with "Cannot copy to clipboard" when the memory for the text cannot be had (the
// clipboard is not emptied). The clipboard is closed, and a block not handed over freed, on every path.
void PutClipboardText(HWND owner, std::string_view text);

}  // namespace dd
