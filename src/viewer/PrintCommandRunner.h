#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "outputs/PrintCommands.h"

namespace dd {

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

}  // namespace dd
