#include "layout/ListItemIndex.h"

#include <algorithm>

namespace dd {

int32_t ListItemIndexFromLowWord(uint16_t lowWord, int32_t topIndex) noexcept {
    const int64_t top = std::max<int32_t>(topIndex, 0);
    const auto ahead = static_cast<uint16_t>(lowWord - static_cast<uint16_t>(top));
    return static_cast<int32_t>(std::min<int64_t>(top + ahead, INT32_MAX));
}

}  // namespace dd
