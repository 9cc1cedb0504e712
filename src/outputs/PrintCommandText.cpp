#include "outputs/PrintCommandText.h"

#include <cstdio>
#include <string_view>

namespace dd {
namespace {

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            quoted += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            quoted += escape;
        }
    }
    return quoted + "\"";
}

// Formatted whole: GCC 12 warns falsely (-Wrestrict) about "(" + std::string.
std::string Point(int x, int y) {
    char text[32];
    std::snprintf(text, sizeof text, "(%d, %d)", x, y);
    return text;
}

std::string Rect(const DeviceRect& r) {
    char text[64];
    std::snprintf(text, sizeof text, "(%d, %d, %d, %d)", r.left, r.top, r.right, r.bottom);
    return text;
}

struct Describe {
    std::string operator()(const BeginDocument& c) const { return "begin document " + Quoted(c.name); }
    std::string operator()(const SetPenColour& c) const {
        char colour[16];
        std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(c.colour));
        return std::string("pen colour ") + colour;
    }
    std::string operator()(const SetFontName& c) const { return "font name " + Quoted(c.name); }
    std::string operator()(const SetFontSize& c) const { return "font size " + std::to_string(c.points); }
    std::string operator()(const SetFontStyle& c) const {
        return c.style == FontStyle::Bold ? "font style bold" : "font style regular";
    }
    std::string operator()(const TextAt& c) const { return "text at " + Point(c.x, c.y) + " " + Quoted(c.text); }
    std::string operator()(const TextInRect& c) const {
        return "text in " + Rect(c.rect) + " at " + Point(c.x, c.y) + " " + Quoted(c.text);
    }
    std::string operator()(const NextPage&) const { return "next page"; }
    std::string operator()(const EndDocument&) const { return "end document"; }
};

}  // namespace

std::string DescribePrintCommand(const PrintCommand& command) { return std::visit(Describe{}, command); }

}  // namespace dd
