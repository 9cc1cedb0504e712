#include "platform/SystemFoldingTable.h"

#include <windows.h>

namespace dd {

// The byte values 0 to 255 lower-cased by the system in its ANSI code page.
FoldingTable SystemFoldingTable() {
    char bytes[256];
    for (int b = 0; b < 256; ++b) bytes[b] = static_cast<char>(b);
    CharLowerBuffA(bytes, 256);
    FoldingTable table;
    for (int b = 0; b < 256; ++b) table[b] = static_cast<unsigned char>(bytes[b]);
    return table;
}

}  // namespace dd
