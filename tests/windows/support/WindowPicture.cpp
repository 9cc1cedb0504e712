#include "windows/support/WindowPicture.h"

#include <memory>
#include <stdexcept>
#include <type_traits>

namespace dd::test {
namespace {

int Distance(Rgb a, Rgb b) {
    auto channel = [](int x, int y) { return (x - y) * (x - y); };
    return channel(a.red, b.red) + channel(a.green, b.green) + channel(a.blue, b.blue);
}

struct DcReleaser {
    HWND window;
    void operator()(HDC dc) const noexcept { ReleaseDC(window, dc); }
};
}  // namespace

PixelCanvas::PixelCanvas(HDC like, int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(like);
    bitmap_ = dc_ != nullptr ? CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0) : nullptr;
    if (bitmap_ == nullptr) {
        if (dc_ != nullptr) DeleteDC(dc_);
        throw std::runtime_error("cannot make a bitmap to picture a window in");
    }
    previous_ = SelectObject(dc_, bitmap_);
}

PixelCanvas::~PixelCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

std::vector<uint32_t> PixelCanvas::Pixels() const {
    GdiFlush();
    const auto* first = static_cast<const uint32_t*>(bits_);
    return {first, first + static_cast<size_t>(width_) * static_cast<size_t>(height_)};
}

WindowPicture::WindowPicture(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT outer{};
    GetWindowRect(window, &outer);
    width_ = outer.right - outer.left;
    height_ = outer.bottom - outer.top;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    clientOrigin_ = {origin.x - outer.left, origin.y - outer.top};
    if (width_ <= 0 || height_ <= 0) throw std::runtime_error("the window has no area to picture");

    const std::unique_ptr<std::remove_pointer_t<HDC>, DcReleaser> source(GetWindowDC(window), DcReleaser{window});
    if (!source) throw std::runtime_error("cannot picture the window");
    const PixelCanvas canvas(source.get(), width_, height_);
    BitBlt(canvas.Dc(), 0, 0, width_, height_, source.get(), 0, 0, SRCCOPY);
    pixels_ = canvas.Pixels();
}

Rgb WindowPicture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("a point outside the picture");
    const uint32_t pixel = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    return {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel)};
}

int WindowPicture::InkPixels(const RECT& clientArea, Rgb ink, Rgb ground) const {
    int count = 0;
    for (int y = clientArea.top; y < clientArea.bottom; ++y) {
        for (int x = clientArea.left; x < clientArea.right; ++x) {
            const Rgb pixel = AtClient(x, y);
            if (Distance(pixel, ink) < Distance(pixel, ground)) ++count;
        }
    }
    return count;
}

}  // namespace dd::test
