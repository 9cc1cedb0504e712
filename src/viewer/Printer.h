#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "outputs/PrintCommands.h"
#include "viewer/PrintCommandRunner.h"

namespace dd {

// The printer's failures.
inline constexpr char kNoDefaultPrinterMessage[] = "There is no default printer currently selected";
inline constexpr char kPrinterNotValidMessage[] = "Printer selected is not valid";

// The printer of the whole library: one print at a time, on the device its opener makes.
class Printer {
public:
    using DeviceOpener = std::function<std::unique_ptr<PrintDevice>()>;
    using CommandBuilder = std::function<std::vector<PrintCommand>(int printableHeight)>;

    explicit Printer(DeviceOpener open) : open_(std::move(open)) {}
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The library's printer: the system's default printer, looked up at the first print and kept
    // for every later one while the library stays loaded. Looking up fails with "There is no
    // default printer currently selected" (and is tried again at the next print); a printer whose
    // device context cannot be made fails with "Printer selected is not valid".
    static Printer& Instance();

    bool Printing() const noexcept { return printing_; }
    // Prints one document: fails with "Printing in progress" while another print of this printer
    // is running (the running one goes on undisturbed); otherwise opens the device, builds the
    // commands for its printable height and carries them out. A document left unfinished by a
    // failure is aborted.
    void Print(const CommandBuilder& build);
    // The same on the device that `open` makes in place of the printer's own (a printer chosen in the
    // print dialog). An opener that makes none (the dialog was cancelled) prints nothing: false.
    bool Print(const CommandBuilder& build, const DeviceOpener& open);

private:
    DeviceOpener open_;
    bool printing_ = false;
};

// A printer's device context that the caller made (the print dialog's) as a device to print on; the
// device deletes it when done.
std::unique_ptr<PrintDevice> PrinterDevice(HDC dc);

// The abort callback of a printer's device context: dispatches every waiting window message, so
// that the viewer and the host stay responsive while a page is spooled, and always answers that
// printing goes on. A quit message is left for the host's message loop.
BOOL CALLBACK PrintAbortProc(HDC dc, int error) noexcept;

}  // namespace dd
