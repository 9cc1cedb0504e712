#include <gtest/gtest.h>

#include "layout/KeyForwarding.h"
#include "support/KeyForwardingTable.h"

namespace dd {
namespace {

using Action = FormKeyDecision::Action;
namespace table = test::key_table;

ShiftState ShiftStateOf(table::KeyModifiers modifiers) {
    return {.shift = modifiers.shift, .alt = modifiers.alt, .ctrl = modifiers.ctrl};
}

// The decision that an outcome of the table stands for.
FormKeyDecision DecisionOf(const table::KeyOutcome& outcome) {
    if (outcome.closesHost) return {Action::CloseHost, 0, outcome.consumed};
    if (outcome.asksAbout) return {Action::About, 0, outcome.consumed};
    if (outcome.toLister != 0) return {Action::ForwardToLister, outcome.toLister, outcome.consumed};
    return {Action::Nothing, 0, outcome.consumed};
}

TEST(DecideFormKey, FollowsTheKeyTableOfTheViewerWindow) {
    for (const table::KeyRow& row : table::KeyForwardingRows()) {
        const ShiftState shift = ShiftStateOf(row.modifiers);
        EXPECT_EQ(DecideFormKey(row.key, shift, false), DecisionOf(row.viewer.topLevel)) << row.name << ", top-level";
        EXPECT_EQ(DecideFormKey(row.key, shift, true), DecisionOf(row.viewer.embedded)) << row.name << ", embedded";
    }
}

// The list and the grid only ever hand the key itself back, whatever the modifiers, and keep it.
TEST(ControlForwardsKey, FollowsTheKeyTableOfTheListAndTheGrid) {
    for (const table::KeyRow& row : table::KeyForwardingRows()) {
        for (const table::KeyOutcome& outcome :
             {row.list.topLevel, row.list.embedded, row.grid.topLevel, row.grid.embedded}) {
            EXPECT_EQ(ControlForwardsKey(row.key) ? row.key : 0, outcome.toLister) << row.name;
            EXPECT_FALSE(outcome.closesHost || outcome.asksAbout || outcome.consumed) << row.name;
        }
    }
}

}  // namespace
}  // namespace dd
