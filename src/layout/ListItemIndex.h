#pragma once

#include <cstdint>

namespace dd {

// The list box tells the item under a point (LB_ITEMFROMPOINT) in 16 bits only, while a dictionary may
// list hundreds of thousands of tables. The items in view lie within 65,536 of the top one, so the full
// index is the one at or below the top index plus 65,535 whose low 16 bits are these.
int32_t ListItemIndexFromLowWord(uint16_t lowWord, int32_t topIndex) noexcept;

}  // namespace dd
