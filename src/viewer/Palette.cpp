#include "viewer/Palette.h"

namespace dd {
namespace {

// The system colour that light mode paints each role in: the ones the viewer has always used.
int SystemColourOf(PaintRole role) noexcept {
    switch (role) {
        case PaintRole::Background:
            return COLOR_WINDOW;
        case PaintRole::Text:
            return COLOR_WINDOWTEXT;
        case PaintRole::Selection:
            return COLOR_HIGHLIGHT;
        case PaintRole::SelectionText:
            return COLOR_HIGHLIGHTTEXT;
        case PaintRole::FixedCell:
        case PaintRole::GridLine:
        case PaintRole::FormBackground:
            return COLOR_BTNFACE;
        case PaintRole::Edge:
            return COLOR_BTNSHADOW;
        case PaintRole::TooltipBackground:
            return COLOR_INFOBK;
        case PaintRole::TooltipText:
            return COLOR_INFOTEXT;
        case PaintRole::DeletedText:
            return COLOR_GRAYTEXT;
    }
    return COLOR_WINDOW;
}

}  // namespace

COLORREF Palette::Colour(PaintRole role) const noexcept {
    if (!scheme_.dark) return GetSysColor(SystemColourOf(role));
    const Rgb colour = DarkColour(role);
    return RGB(colour.red, colour.green, colour.blue);
}

HBRUSH SolidDcBrush(HDC dc, COLORREF colour) noexcept {
    SetDCBrushColor(dc, colour);
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) noexcept {
    const COLORREF previous = SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    if (previous != CLR_INVALID) SetDCBrushColor(dc, previous);
}

}  // namespace dd
