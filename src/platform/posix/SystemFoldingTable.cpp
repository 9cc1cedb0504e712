#include "platform/SystemFoldingTable.h"

namespace dd {

// Outside Windows the dictionaries' code page is taken to be Windows-1251.
FoldingTable SystemFoldingTable() { return Cp1251FoldingTable(); }

}  // namespace dd
