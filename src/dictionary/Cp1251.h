#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dd {

// Windows-1251 text as UTF-8. With `forTerminal`, control characters (a tab inside a cell among
// them) and the one unassigned byte become U+FFFD, so that a dictionary cannot steer the terminal
// or break the tab-separated columns; otherwise every byte is converted as it is.
std::string Utf8FromCp1251(std::string_view text, bool forTerminal = false);
// The same appended to `out`.
void AppendUtf8FromCp1251(std::string& out, std::string_view text, bool forTerminal = false);

// UTF-8 text as Windows-1251; empty when the text is not UTF-8 or holds a character the code page lacks.
std::optional<std::string> Cp1251FromUtf8(std::string_view text);

}  // namespace dd
