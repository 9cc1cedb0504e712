#pragma once

#include "layout/Dpi.h"
#include "viewer/WinHandles.h"

namespace dd {

// The interface font, "Arial" of 11 pixels (at 96 DPI) with the Cyrillic character set; the grid's is bold.
UniqueFont CreateInterfaceFont(bool bold, Dpi dpi = kDefaultDpi);

}  // namespace dd
