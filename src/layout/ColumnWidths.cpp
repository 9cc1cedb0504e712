#include "layout/ColumnWidths.h"

namespace dd {

ColumnWidths FitColumnWidths(int gridOuterWidth, Dpi dpi) {
    const int identifierWidth = dpi.Scale(200);
    const int descriptionWidth = dpi.Scale(300);
    const int rest = gridOuterWidth - identifierWidth - descriptionWidth;
    const int third = rest / 3;  // C++ division truncates toward zero: -100 gives -33
    return {identifierWidth, descriptionWidth, third, third, rest - 2 * third};
}

ColumnWidths UnscaledColumnWidths(const ColumnWidths& widths, Dpi dpi) {
    ColumnWidths unscaled(widths.size());
    for (size_t c = 0; c < widths.size(); ++c) unscaled[c] = dpi.Unscale(widths[c]);
    return unscaled;
}

}  // namespace dd
