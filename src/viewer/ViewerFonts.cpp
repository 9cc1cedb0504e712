#include "viewer/ViewerFonts.h"

#include "viewer/OsError.h"

namespace dd {

UniqueFont CreateInterfaceFont(bool bold) {
    UniqueFont font(CreateFontW(-11, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                L"Arial"));
    if (!font) throw LastOsError();
    return font;
}

}  // namespace dd
