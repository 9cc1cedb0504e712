#pragma once

#include <string>
#include <string_view>

namespace dd {

// A Windows-1251 text with its letters folded (Latin and Cyrillic, Ё among them), as EqualIgnoringCase compares
// them: the key of a name in any case, for maps and sets of names.
std::string FoldedText(std::string_view text);

}  // namespace dd
