#pragma once

#include <cstdint>
#include <string>

#include "viewmodel/DictionaryView.h"

namespace dd {

// The identifier of an entry's table exactly as row 1, column 0 of its grid shows it (the SQL
// edition's field 2 of the table line, the DBF edition's field 3, untrimmed), without showing the
// table. Fails with the list error for an index that is not an entry.
std::string TableIdentifier(const DictionaryView& view, int32_t entry);

// The tooltip of a list entry, so that a cut description or tables of equal descriptions can be told
// apart: the whole description, CR LF, the table's identifier; a part that is empty is left out with
// its line break. Control bytes (a tab among them) show as spaces, so that nothing but that one line
// break shapes the text. Fails as TableIdentifier.
std::string TableTooltipText(const DictionaryView& view, int32_t entry);

}  // namespace dd
