#include <gtest/gtest.h>

#include <cstdint>

#include "layout/ListItemIndex.h"

namespace dd {
namespace {

TEST(ListItemIndexFromLowWord, RestoresTheFullIndexNearTheTopItem) {
    struct Case {
        uint16_t lowWord;
        int32_t top;
        int32_t index;
    };
    const Case cases[] = {
        {0, 0, 0},
        {12, 3, 12},
        {65535, 65500, 65535},
        {4, 65530, 65540},              // the index passed 65,535 below the top item
        {0x0D40, 199990, 200000},       // 200,000 = 0x30D40
        {0x0D36, 199990, 199990},       // the top item itself
        {0xFFFF, 131071, 131071},       // top = 0x1FFFF
        {0, -1, 0},                     // an empty list answers -1 for its top index
        {5, INT32_MAX - 2, INT32_MAX},  // never past the largest index
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListItemIndexFromLowWord(c.lowWord, c.top), c.index) << c.lowWord << " below " << c.top;
}

}  // namespace
}  // namespace dd
