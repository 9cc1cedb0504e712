#include "layout/ColourScheme.h"

#include <algorithm>
#include <cmath>

namespace dd {
namespace {

// The sRGB channel's share of the relative luminance.
double LinearChannel(uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Rgb colour) {
    return 0.2126 * LinearChannel(colour.red) + 0.7152 * LinearChannel(colour.green) +
           0.0722 * LinearChannel(colour.blue);
}

}  // namespace

ColourScheme ColourSchemeOf(int showFlags) noexcept {
    const bool dark = (showFlags & kShowFlagDarkMode) != 0;
    return {dark, dark && (showFlags & kShowFlagDarkModeNative) != 0};
}

TooltipTheme TooltipThemeOf(const ColourScheme& scheme) noexcept {
    if (!scheme.dark) return TooltipTheme::Own;
    return scheme.nativeDarkControls ? TooltipTheme::WindowsDark : TooltipTheme::None;
}

Rgb DarkColour(PaintRole role) noexcept {
    // A dark grey ground with light grey text, as the file manager's dark panels; a muted blue for the
    // selection, clear against the ground without glaring; lines and margins a step lighter than the ground.
    switch (role) {
        case PaintRole::Background:
            return {32, 32, 32};
        case PaintRole::Text:
            return {224, 224, 224};
        case PaintRole::Selection:
            return {38, 79, 120};
        case PaintRole::SelectionText:
            return {255, 255, 255};
        case PaintRole::FixedCell:
            return {51, 51, 51};
        case PaintRole::GridLine:
            return {58, 58, 58};
        case PaintRole::FormBackground:
            return {45, 45, 45};
        case PaintRole::Edge:
            return {72, 72, 72};
        // A tooltip a step lighter than the list it floats over, as Windows' own dark tooltips.
        case PaintRole::TooltipBackground:
            return {43, 43, 43};
        case PaintRole::TooltipText:
            return {240, 240, 240};
        // Greyed as a disabled item is, yet above 4.5:1 on the ground, so that a deleted row is still read.
        case PaintRole::DeletedText:
            return {150, 150, 150};
    }
    return {};
}

double ContrastRatio(Rgb a, Rgb b) noexcept {
    const double first = RelativeLuminance(a);
    const double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

}  // namespace dd
