#pragma once

#include <string>
#include <string_view>

#include "dbf/DbfValue.h"

namespace dd {

// A value of a base's table as the viewer's grid shows it: its text (Windows-1251) and whether it stands at
// the cell's right edge. Texts as they are without their trailing blanks, control characters as spaces, numbers
// as written (at the right), dates the Russian way, DD.MM.YYYY, true and false for a logical, nothing for a
// blank number or date. The text may point into `scratch` or into the record the value was read from.
struct ShownCell {
    std::string_view text;
    bool alignRight = false;
};
ShownCell ShownValue(const DbfValue& value, std::string& scratch);

// A control character (a TAB inside a name) shows as a space, as it reads, not as the font's empty box.
inline bool ShowsAsSpace(char c) noexcept { return static_cast<unsigned char>(c) < 0x20; }

// The bytes that a shown value may hold where its bytes in the file differ: a date's digits and dots, a
// logical's words. A text made of other bytes stands in a shown cell only where it stands in the file too.
inline constexpr std::string_view kDateShownBytes = "0123456789.";

}  // namespace dd
