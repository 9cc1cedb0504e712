#pragma once

#include <string>

#include "outputs/PrintCommands.h"

namespace dd {

// One drawing command as one line of ASCII text, e.g. `text in (0, 300, 970, 450) at (50, 350) "Tip"`.
// Bytes outside printable ASCII, and the quote and backslash, are written as \xHH, so the line
// names every byte of the command's text. For test messages and for listing a print without a printer.
std::string DescribePrintCommand(const PrintCommand& command);

}  // namespace dd
