#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dd {

// Windows-1251 text as UTF-8. With `forTerminal`, control characters (a tab inside a cell among
// them) and the one unassigned byte become U+FFFD, so that a dictionary cannot steer the terminal
// or break the tab-separated columns; otherwise every byte is converted as it is. A text whose UTF-8
// could pass the largest string fails with std::length_error.
std::string Utf8FromCp1251(std::string_view text, bool forTerminal = false);
// The same appended to `out`.
void AppendUtf8FromCp1251(std::string& out, std::string_view text, bool forTerminal = false);

// UTF-8 text as Windows-1251; empty when the text is not UTF-8 or holds a character the code page lacks.
std::optional<std::string> Cp1251FromUtf8(std::string_view text);

// The UTF-16 character of a Windows-1251 byte, for the wide functions of Windows. Every byte keeps a
// character of its own: the one unassigned byte, 0x98, becomes U+0098, as Windows converts it, so
// that nothing is lost on the way back.
char16_t Utf16OfCp1251(unsigned char byte) noexcept;
std::u16string Utf16FromCp1251(std::string_view text);

// UTF-16 text as Windows-1251; empty when it holds a character the code page lacks (or a lone surrogate).
std::optional<std::string> Cp1251FromUtf16(std::u16string_view text);

}  // namespace dd
