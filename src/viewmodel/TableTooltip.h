#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "viewmodel/DictionaryView.h"

namespace dd {

// The identifier of an entry's table exactly as row 1, column 0 of its grid shows it (the SQL
// edition's field 2 of the table line, the DBF edition's field 3, untrimmed), without showing the
// table. Fails with the list error for an index that is not an entry.
std::string TableIdentifier(const DictionaryView& view, int32_t entry);

// The table's whole name as the marker line two lines above its table line gives it
// (TableNameOfMarkerLine): the list's description is cut at 30 characters by the dictionary's own column.
// The description where that line names nothing. Fails as TableIdentifier.
std::string_view TableWholeName(const DictionaryView& view, int32_t entry);

// The tooltip of a list entry, so that a cut description or tables of equal descriptions can be told
// apart: the table's whole name (TableWholeName), CR LF, the table's identifier; a part that is empty is
// left out with its line break. Control bytes (a tab among them) show as spaces, so that nothing but that
// one line break shapes the text. Fails as TableIdentifier.
std::string TableTooltipText(const DictionaryView& view, int32_t entry);

}  // namespace dd
