#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "viewer/Printer.h"

// Printed pages as pictures: a print device that stands in for a printer and draws each page into a
// bitmap, and the page written out as a PNG file that a person can look at.
namespace dd::test {

// One page in gray levels, one byte per pixel (0 black, 255 white), rows from the top.
struct PagePicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> gray;
    uint8_t At(int x, int y) const { return gray[static_cast<size_t>(y) * width + x]; }
};

// Writes the page as an 8-bit grayscale PNG file; false when the file cannot be written.
bool WritePng(const PagePicture& page, const std::string& path);

// What the stand-in printer is like: its resolution and printable area in device units, the
// picture's scale (device units per pixel) and the colour of its paper.
struct PaperArgs {
    int pixelsPerInch = 600;
    int width = 4800;
    int height = 6600;
    int unitsPerPixel = 4;
    COLORREF paper = RGB(255, 255, 255);
};

// A printer stand-in: the drawing commands draw in device units into a bitmap a quarter (or
// `unitsPerPixel`) as large; each finished page is kept as a picture. It records the document
// calls it receives ("start NAME", "next", "end") and can run a test's own code as a document starts.
class BitmapPrintDevice final : public PrintDevice {
public:
    explicit BitmapPrintDevice(const PaperArgs& args = {});
    ~BitmapPrintDevice() override;

    HDC Dc() const noexcept override { return dc_; }
    int PixelsPerInchY() const noexcept override { return args_.pixelsPerInch; }
    int PrintableHeight() const noexcept override { return args_.height; }
    void StartDocument(const std::string& name) override;
    void NextPage() override;
    void EndDocument() override;

    const std::vector<PagePicture>& Pages() const { return pages_; }
    const std::vector<std::string>& Calls() const { return calls_; }
    // A picture of the page being drawn, before it is finished.
    PagePicture CurrentPage() const;
    std::function<void()> onStartDocument;

private:
    void ClearPage();

    PaperArgs args_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    uint32_t* pixels_ = nullptr;
    std::vector<PagePicture> pages_;
    std::vector<std::string> calls_;
};

// An area of a page in device units.
struct DeviceArea {
    int left;
    int top;
    int right;
    int bottom;
};
// Ink on a page: the pixels darker than mid-gray that lie wholly inside the area.
int InkIn(const PagePicture& page, int unitsPerPixel, const DeviceArea& area);
// The top and bottom (device units) of the ink in an area; {0, 0} when there is none.
std::pair<int, int> InkRows(const PagePicture& page, int unitsPerPixel, const DeviceArea& area);

}  // namespace dd::test
