#include "viewer/ViewerFonts.h"

#include "viewer/OsError.h"

namespace dd {
namespace {

constexpr int kFontHeight = 11;

}  // namespace

UniqueFont CreateInterfaceFont(bool bold, Dpi dpi) {
    UniqueFont font(CreateFontW(-dpi.Scale(kFontHeight), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, L"Arial"));
    if (!font) throw LastOsError();
    return font;
}

}  // namespace dd
