#pragma once

#include <windows.h>

#include "layout/ColourScheme.h"

namespace dd {

// The one palette that the form, the list and the grid paint with. Light is exactly the system's
// colours, read at each painting as the standard controls read them; dark is DarkColour's.
class Palette {
public:
    Palette() = default;
    explicit Palette(ColourScheme scheme) noexcept : scheme_(scheme) {}

    const ColourScheme& Scheme() const noexcept { return scheme_; }
    bool IsDark() const noexcept { return scheme_.dark; }
    COLORREF Colour(PaintRole role) const noexcept;

private:
    ColourScheme scheme_;
};

// Fills a rectangle in one colour with the device context's own brush (DC_BRUSH), so that no brush
// is made or freed for it; the pixels are those of a system colour brush of that colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour) noexcept;
// The device context's own brush set to a colour, for an answer to WM_CTLCOLOR...
HBRUSH SolidDcBrush(HDC dc, COLORREF colour) noexcept;

}  // namespace dd
