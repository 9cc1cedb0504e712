#include "viewer/PrintDialog.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <cstring>
#include <new>

#include "dictionary/Error.h"
#include "viewer/WinHandles.h"

namespace dd {
namespace {

// Longer names are no printer's; they could not be placed in DEVNAMES, whose offsets are 16-bit.
constexpr size_t kLongestPrinterName = 4096;

bool AnyPrinterInstalled() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size != 0) return true;
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    return needed != 0;
}

// The dialog's DEVNAMES naming only the device: no driver, no port.
UniqueGlobal DevNamesFor(const std::wstring& printerName) {
    constexpr WORD kDriver = sizeof(DEVNAMES) / sizeof(wchar_t);  // offsets count characters
    constexpr WORD kDevice = kDriver + 1;
    const auto port = static_cast<WORD>(kDevice + printerName.size() + 1);
    const size_t bytes = (static_cast<size_t>(port) + 1) * sizeof(wchar_t);
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes));
    void* data = block ? GlobalLock(block.get()) : nullptr;
    if (data == nullptr) throw std::bad_alloc();
    auto* names = static_cast<DEVNAMES*>(data);
    names->wDriverOffset = kDriver;
    names->wDeviceOffset = kDevice;
    names->wOutputOffset = port;
    names->wDefault = 0;
    std::memcpy(static_cast<wchar_t*>(data) + kDevice, printerName.c_str(), printerName.size() * sizeof(wchar_t));
    GlobalUnlock(block.get());
    return block;
}

struct DialogOutcome {
    std::unique_ptr<PrintDevice> device;  // the chosen printer; none when the dialog was cancelled or failed
    DWORD error = 0;                      // the dialog's error; 0 when the user cancelled
};

DialogOutcome RunPrintDialog(HWND owner, UniqueGlobal devNames) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;
    dialog.nCopies = 1;
    dialog.hDevNames = devNames.release();  // the dialog's from now on: it may replace the block
    const BOOL chosen = PrintDlgW(&dialog);
    const UniqueGlobal names(dialog.hDevNames);
    const UniqueGlobal settings(dialog.hDevMode);
    if (!chosen) return {nullptr, CommDlgExtendedError()};
    if (dialog.hDC == nullptr) throw Error(kPrinterNotValidMessage);
    return {PrinterDevice(dialog.hDC), 0};
}

}  // namespace

std::unique_ptr<PrintDevice> ShowPrintDialog(HWND owner, const std::wstring& printerName) {
    if (!AnyPrinterInstalled()) throw Error(kNoDefaultPrinterMessage);
    const bool named = !printerName.empty() && printerName.size() <= kLongestPrinterName;
    DialogOutcome outcome = RunPrintDialog(owner, named ? DevNamesFor(printerName) : nullptr);
    // A printer that is no longer installed: the dialog offers the default one instead.
    if (named && outcome.error == PDERR_PRINTERNOTFOUND) outcome = RunPrintDialog(owner, nullptr);
    if (outcome.device || outcome.error == 0) return std::move(outcome.device);
    if (outcome.error == PDERR_NODEFAULTPRN || outcome.error == PDERR_NODEVICES) throw Error(kNoDefaultPrinterMessage);
    throw Error(kPrinterNotValidMessage);
}

}  // namespace dd
