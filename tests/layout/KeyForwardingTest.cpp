#include <gtest/gtest.h>

#include "layout/KeyForwarding.h"
#include "layout/VirtualKeys.h"

namespace dd {
namespace {

using Action = FormKeyDecision::Action;
constexpr ShiftState kNone{};
constexpr ShiftState kShift{true, false, false};
constexpr ShiftState kAlt{false, true, false};
constexpr ShiftState kCtrl{false, false, true};
constexpr ShiftState kCtrlAlt{false, true, true};
constexpr ShiftState kShiftAlt{true, true, false};

TEST(DecideFormKey, FollowsTheKeyTableOfTheViewerWindow) {
    struct Case {
        uint16_t key;
        ShiftState shift;
        bool embedded;
        FormKeyDecision expected;
    };
    const Case cases[] = {
        {keys::kEscape, kNone, false, {Action::ForwardToLister, keys::kEscape, true}},
        {keys::kEscape, kNone, true, {Action::ForwardToLister, keys::kTab, true}},
        {keys::kEscape, kShift, false, {}},
        {keys::kEscape, kCtrl, false, {}},
        {keys::kEscape, kAlt, false, {}},
        {'1', kNone, false, {Action::ForwardToLister, '1', true}},
        {'7', kNone, true, {Action::ForwardToLister, '7', true}},
        {'N', kNone, false, {Action::ForwardToLister, 'N', true}},
        {'P', kNone, false, {Action::ForwardToLister, 'P', true}},
        {'8', kNone, false, {}},
        {'9', kNone, false, {}},
        {'0', kNone, false, {}},
        {0x61, kNone, false, {}},  // keypad 1
        {'N', kShift, false, {}},
        {'P', kCtrl, false, {}},
        {'1', kAlt, false, {}},
        {keys::kX, kAlt, false, {Action::CloseHost, 0, false}},
        {keys::kX, kAlt, true, {Action::CloseHost, 0, false}},
        {keys::kX, kCtrlAlt, false, {}},
        {keys::kX, kShiftAlt, false, {}},
        {keys::kX, kNone, false, {}},
        {keys::kF1, kNone, false, {Action::About, 0, false}},
        {keys::kF1, kShift, false, {}},
        {keys::kTab, kNone, false, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(DecideFormKey(c.key, c.shift, c.embedded), c.expected) << "key " << c.key;
}

TEST(ControlForwardsKey, OnlyEscapeGoesBackFromTheListAndTheGrid) {
    EXPECT_TRUE(ControlForwardsKey(keys::kEscape));
    for (uint16_t key : {keys::kTab, uint16_t{'1'}, uint16_t{'N'}, keys::kX, keys::kF1})
        EXPECT_FALSE(ControlForwardsKey(key));
}

}  // namespace
}  // namespace dd
