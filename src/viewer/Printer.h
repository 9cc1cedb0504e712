#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "outputs/PrintCommands.h"

namespace dd {

// The printer's failures.
inline constexpr char kNoDefaultPrinterMessage[] = "There is no default printer currently selected";
inline constexpr char kPrinterNotValidMessage[] = "Printer selected is not valid";

// A device that a print is drawn on: the default printer, or a bitmap or metafile to look at a page.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;
    // The device context that the drawing commands draw on, in the device's own units.
    virtual HDC Dc() const noexcept = 0;
    // Dots per inch vertically (LOGPIXELSY of a printer): font sizes in points become device units by it.
    virtual int PixelsPerInchY() const noexcept = 0;
    // The height of the printable area in device units (VERTRES of a printer), where pages break.
    virtual int PrintableHeight() const noexcept = 0;
    // Starts the document under this name, and its first page.
    virtual void StartDocument(const std::string& name) = 0;
    // Ends the page and starts the next one.
    virtual void NextPage() = 0;
    // Ends the last page and the document.
    virtual void EndDocument() = 0;
};

// Carries out drawing commands on a device, in order. Fonts are made from the name, size and style
// that the font commands set (the size in points turned into device units with PixelsPerInchY), and
// drawn in the window-text colour on an opaque white background; the pen is a solid pen of the
// colour set. Text at a point is not clipped; text in a rectangle is clipped to it and the rectangle
// is filled white, and a rectangle with no area draws nothing. After a page break the device context
// is set up again from the commands that follow.
void RunPrintCommands(PrintDevice& device, const std::vector<PrintCommand>& commands);

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
