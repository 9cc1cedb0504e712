#pragma once

#include <cstdint>

namespace dd {

// The host's show flags that concern colours: the values of the Lister's lcp_darkmode (the file
// manager is dark) and lcp_darkmodenative (Windows' own dark controls are to be used too).
inline constexpr int kShowFlagDarkMode = 128;
inline constexpr int kShowFlagDarkModeNative = 256;

// How the viewer paints: in the system's colours or in dark ones, and whether the controls' parts
// that Windows draws (the scroll bars) take Windows' dark theme.
struct ColourScheme {
    bool dark = false;
    bool nativeDarkControls = false;
    bool operator==(const ColourScheme&) const = default;
};

// The scheme that the host's show flags ask for. Every other flag is about something else, and
// Windows' dark controls count only in dark mode.
ColourScheme ColourSchemeOf(int showFlags) noexcept;

// The theme the list's tooltip takes, which Windows paints by itself: its own in light mode; in dark mode
// Windows' dark one with nativeDarkControls (its colours show where that theme is missing), and none
// otherwise, since a themed tooltip paints light whatever colours it is given.
enum class TooltipTheme { Own, None, WindowsDark };
TooltipTheme TooltipThemeOf(const ColourScheme& scheme) noexcept;

// What the viewer paints, each in one colour.
enum class PaintRole {
    Background,         // the list's entries and the grid's cells
    Text,               // their text
    Selection,          // the selected list entry and the highlighted grid cells
    SelectionText,      // their text
    FixedCell,          // the grid's fixed cells
    GridLine,           // the grid's 1-pixel lines
    FormBackground,     // the form's margins around the list and the grid
    Edge,               // the sunken edges of the list and the grid, which Windows draws in light mode
    TooltipBackground,  // the list's tooltip
    TooltipText,
    DeletedText,  // the text of a base's deleted rows: greyed, still readable
};

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// Dark mode's colour of a role; light mode takes the system's colours.
Rgb DarkColour(PaintRole role) noexcept;

// The contrast ratio of two colours as the web's accessibility guidelines define it, from 1 (the same
// lightness) to 21 (black and white).
double ContrastRatio(Rgb a, Rgb b) noexcept;

}  // namespace dd
