#include <gtest/gtest.h>

#include "layout/TabOrder.h"
#include "layout/VirtualKeys.h"

namespace dd {
namespace {

TEST(ControlAfterTab, TabAndShiftTabLeadFromEitherControlToTheOtherAndNothingElseMoves) {
    using C = ViewerControl;
    struct Case {
        const char* what;
        C focused;
        uint16_t key;
        ShiftState shift;
        std::optional<C> next;
    };
    const Case cases[] = {
        {"Tab from the list", C::List, keys::kTab, {}, C::Grid},
        {"Shift+Tab from the grid", C::Grid, keys::kTab, {true, false, false}, C::List},
        {"Tab from the grid, round the end", C::Grid, keys::kTab, {}, C::List},
        {"Shift+Tab from the list, round the start", C::List, keys::kTab, {true, false, false}, C::Grid},
        {"Ctrl+Tab", C::List, keys::kTab, {false, false, true}, std::nullopt},
        {"Alt+Tab", C::Grid, keys::kTab, {false, true, false}, std::nullopt},
        {"Esc", C::List, keys::kEscape, {}, std::nullopt},
        {"an arrow", C::Grid, keys::kRight, {}, std::nullopt},
        {"Tab in the data view, whose grid is alone", C::TableGrid, keys::kTab, {}, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ControlAfterTab(c.focused, c.key, c.shift), c.next) << c.what;
}

}  // namespace
}  // namespace dd
