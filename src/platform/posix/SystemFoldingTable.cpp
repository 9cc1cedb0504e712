#include "../../dictionary/FoldingTable.h"

namespace dd {

// Outside Windows the dictionaries' code page is taken to be Windows-1251.
FoldingTable BuildSystemFoldingTable() { return Cp1251FoldingTable(); }

}  // namespace dd
