#pragma once

#include "viewer/WinHandles.h"

namespace dd {

// The interface font, "Arial" of 11 pixels with the Cyrillic character set; the grid's is bold.
UniqueFont CreateInterfaceFont(bool bold);

}  // namespace dd
