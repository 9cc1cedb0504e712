#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "viewer/Printer.h"

namespace dd {

// Shows the system's print dialog modally, with the printer of this name chosen (the default printer
// when the name is empty or names no installed printer), and answers the chosen printer as a device to
// print on, or nothing when the user cancels. The dialog asks for no page range and no selection; the
// printer's own settings take the copies. Fails with kNoDefaultPrinterMessage when no printer is
// installed at all (the dialog is not shown), and with kPrinterNotValidMessage when the dialog fails
// otherwise or cannot make the chosen printer's device context.
std::unique_ptr<PrintDevice> ShowPrintDialog(HWND owner, const std::wstring& printerName);

}  // namespace dd
