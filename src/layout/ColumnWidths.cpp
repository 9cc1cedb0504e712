#include "layout/ColumnWidths.h"

namespace dd {

ColumnWidths FitColumnWidths(int gridOuterWidth) noexcept {
    constexpr int kIdentifierWidth = 200;
    constexpr int kDescriptionWidth = 300;
    const int rest = gridOuterWidth - kIdentifierWidth - kDescriptionWidth;
    const int third = rest / 3;  // C++ division truncates toward zero: -100 gives -33
    return {kIdentifierWidth, kDescriptionWidth, third, third, rest - 2 * third};
}

}  // namespace dd
