#pragma once

namespace dd {

// The viewer's sizes are laid out at 96 pixels per inch and scaled to the screen's resolution: at 96
// every size is exactly as laid out, at 192 twice as large. Rounded to the nearest pixel, halves away
// from zero, so that a size and its negative scale alike. A resolution the system could not tell (0)
// is taken as 96 both ways, so that no size collapses to nothing.
struct Dpi {
    int value = 96;

    constexpr int Scale(int pixelsAt96) const noexcept {
        if (value <= 0) return pixelsAt96;
        const long long product = static_cast<long long>(pixelsAt96) * value;
        return static_cast<int>(product >= 0 ? (product + 48) / 96 : -((-product + 48) / 96));
    }
    // A size on the screen back at 96 pixels per inch, rounded the same way.
    constexpr int Unscale(int pixels) const noexcept {
        if (value <= 0) return pixels;
        const long long product = static_cast<long long>(pixels) * 96;
        return static_cast<int>(product >= 0 ? (product + value / 2) / value : -((-product + value / 2) / value));
    }
    bool operator==(const Dpi&) const = default;
};

inline constexpr Dpi kDefaultDpi{};

}  // namespace dd
