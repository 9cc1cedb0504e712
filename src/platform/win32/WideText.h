#pragma once

#include <string>
#include <string_view>

namespace dd {

// Texts for the wide functions of Windows and back. The dictionary's texts and the system's own Russian
// texts are Windows-1251 whatever the system's ANSI code page; paths and messages are UTF-8 inside the
// system, so that a path under any name and a message that carries it survive.
std::wstring WideFromCp1251(std::string_view text);
// The same appended to `out`, for many texts converted into one block.
void AppendWideFromCp1251(std::wstring& out, std::string_view text);
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
// A text of the system's ANSI code page, as the ANSI exports receive their paths.
std::wstring WideFromAnsi(std::string_view text);

}  // namespace dd
