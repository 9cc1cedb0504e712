#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace dd {

// Drawing commands of a print, as plain data: the portable layout produces them, the printer layer
// carries them out in order. Coordinates are the printer's device units, origin at the top-left of
// the printable area, y downwards.

struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const DeviceRect&) const = default;
};

enum class FontStyle { Regular, Bold };

// A colour laid out as Windows' COLORREF: 0x00BBGGRR.
inline constexpr uint32_t kBlack = 0x000000;

// Selects the printer, starts the document under this name (the print queue shows it) and its first page.
struct BeginDocument {
    std::string name;
    bool operator==(const BeginDocument&) const = default;
};
struct SetPenColour {
    uint32_t colour = kBlack;
    bool operator==(const SetPenColour&) const = default;
};
// The three font commands each change one property of the font and keep the others.
struct SetFontName {
    std::string name;
    bool operator==(const SetFontName&) const = default;
};
// Points on paper: the printer layer converts them with the printer's vertical resolution.
struct SetFontSize {
    int points = 0;
    bool operator==(const SetFontSize&) const = default;
};
struct SetFontStyle {
    FontStyle style = FontStyle::Regular;
    bool operator==(const SetFontStyle&) const = default;
};
// Text with its top-left corner at (x, y), not clipped.
struct TextAt {
    int x = 0;
    int y = 0;
    std::string text;
    bool operator==(const TextAt&) const = default;
};
// Text with its top-left corner at (x, y), on an opaque background that fills the rectangle,
// clipped to the rectangle.
struct TextInRect {
    DeviceRect rect;
    int x = 0;
    int y = 0;
    std::string text;
    bool operator==(const TextInRect&) const = default;
};
// Ends the current page and starts the next one. Everything drawn after it sets its pen and font
// again, so the printer layer may reset the device context between pages.
struct NextPage {
    bool operator==(const NextPage&) const = default;
};
// Ends the last page and the document.
struct EndDocument {
    bool operator==(const EndDocument&) const = default;
};

using PrintCommand = std::variant<BeginDocument, SetPenColour, SetFontName, SetFontSize, SetFontStyle, TextAt,
                                  TextInRect, NextPage, EndDocument>;

}  // namespace dd
