// The form's colours: the host's show flags turn the one palette light or dark, live, and the form
// paints its margins, the list's ground and the list's entries in it.
#include "viewer/DarkControls.h"
#include "viewer/unMain.h"

namespace dd {

void TfmMain::SetShowFlags(int flags) {
    showFlags_ = flags;
    ApplyColourScheme(ColourSchemeOf(flags));
}

namespace {

void UseTooltipTheme(HWND tooltip, TooltipTheme theme) noexcept {
    if (theme == TooltipTheme::None)
        UseNoControlTheme(tooltip);
    else
        UseDarkControlTheme(tooltip, theme == TooltipTheme::WindowsDark);
}

}  // namespace

void TfmMain::ApplyColourScheme(ColourScheme scheme) {
    if (scheme == palette_.Scheme()) return;
    const ColourScheme previous = palette_.Scheme();
    palette_ = Palette(scheme);
    // Only a change touches the controls' theme, so that a viewer that never was dark keeps the
    // theme Windows gave it.
    if (scheme.nativeDarkControls != previous.nativeDarkControls) {
        UseDarkControlTheme(LB.Handle(), scheme.nativeDarkControls);
        UseDarkControlTheme(SG.Handle(), scheme.nativeDarkControls);
    }
    if (TooltipThemeOf(scheme) != TooltipThemeOf(previous)) UseTooltipTheme(LB.TooltipHandle(), TooltipThemeOf(scheme));
    LB.ColourTooltip();
    RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TfmMain::OnEraseBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_.get(), &client);
    FillSolid(dc, client, palette_.Colour(PaintRole::FormBackground));
    PaintTitle(dc);
}

HBRUSH TfmMain::OnListColours(HDC dc) const {
    SetTextColor(dc, palette_.Colour(PaintRole::Text));
    SetBkColor(dc, palette_.Colour(PaintRole::Background));
    return SolidDcBrush(dc, palette_.Colour(PaintRole::Background));
}

bool TfmMain::OnDrawItem(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_LISTBOX || item.hwndItem != LB.Handle()) return false;
    LB.DrawItem(item);
    return true;
}

}  // namespace dd
