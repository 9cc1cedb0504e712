#pragma once

#include <windows.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "layout/ColourScheme.h"

namespace dd {
// Colours print as #rrggbb in the tests' messages.
inline void PrintTo(const Rgb& colour, std::ostream* out) {
    const char digits[] = "0123456789abcdef";
    *out << '#';
    for (const uint8_t channel : {colour.red, colour.green, colour.blue})
        *out << digits[channel >> 4] << digits[channel & 15];
}
}  // namespace dd

namespace dd::test {

inline Rgb RgbOf(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

// A 32-bit top-down bitmap selected into a memory device context for as long as it lives: what is
// drawn into Dc() is read back as rows of 0x00RRGGBB.
class PixelCanvas {
public:
    // Compatible with `like` (0: the screen). Fails with std::runtime_error.
    PixelCanvas(HDC like, int width, int height);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC Dc() const noexcept { return dc_; }
    // The pixels drawn so far, top row first.
    std::vector<uint32_t> Pixels() const;

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

// The pixels of a window as it shows them, its frame included: whatever waits to be painted is
// painted first, then the window's device context is copied.
class WindowPicture {
public:
    explicit WindowPicture(HWND window);

    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    // A pixel by window coordinates (0, 0 is the frame's top left) or by client coordinates.
    Rgb At(int x, int y) const;
    Rgb AtClient(int x, int y) const { return At(x + clientOrigin_.x, y + clientOrigin_.y); }
    // How many pixels of a client rectangle are nearer to `ink` than to `ground`: the text written there.
    int InkPixels(const RECT& clientArea, Rgb ink, Rgb ground) const;

private:
    int width_ = 0;
    int height_ = 0;
    POINT clientOrigin_{};
    std::vector<uint32_t> pixels_;  // top-down rows of 0x00RRGGBB
};

}  // namespace dd::test
