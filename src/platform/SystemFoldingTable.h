#pragma once

#include "dictionary/FoldingTable.h"

namespace dd {

// The byte values 0 to 255 lower-cased by the system in its ANSI code page (Windows-1251 outside
// Windows). Defined per platform.
FoldingTable SystemFoldingTable();

}  // namespace dd
