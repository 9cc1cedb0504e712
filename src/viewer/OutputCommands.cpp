// The grid's output commands: copying to the clipboard, saving to a text file, printing.
// They are wired to the context menu and do nothing yet.
#include "unMain.h"

namespace dd {

void TfmMain::N3Click() {}

void TfmMain::N6Click() {}

void TfmMain::N1Click() {}

void TfmMain::N4Click() {}

}  // namespace dd
