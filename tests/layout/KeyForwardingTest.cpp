#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

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
    if (outcome.copies) return {Action::Copy, 0, outcome.consumed};
    if (outcome.copiesTable) return {Action::CopyTable, 0, outcome.consumed};
    if (outcome.selectsAll) return {Action::SelectAll, 0, outcome.consumed};
    if (outcome.opensData) return {Action::OpenTableData, 0, outcome.consumed};
    if (outcome.backToDictionary) return {Action::BackToDictionary, 0, outcome.consumed};
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

// The controls' rule does not depend on where the Lister window stands.
TEST(DecideControlKey, FollowsTheKeyTableOfTheListAndTheGrid) {
    for (const table::KeyRow& row : table::KeyForwardingRows()) {
        const ShiftState shift = ShiftStateOf(row.modifiers);
        for (const auto& [control, outcomes, name] :
             {std::tuple{ViewerControl::List, row.list, "list"}, std::tuple{ViewerControl::Grid, row.grid, "grid"},
              std::tuple{ViewerControl::TableGrid, row.Table(), "table"}}) {
            const FormKeyDecision decision = DecideControlKey(control, row.key, shift);
            EXPECT_EQ(decision, DecisionOf(outcomes.topLevel)) << row.name << ", " << name << ", top-level";
            EXPECT_EQ(decision, DecisionOf(outcomes.embedded)) << row.name << ", " << name << ", embedded";
        }
    }
}

// Every function key with every combination of modifiers: what the table's row for it says, and
// nothing for a key the table does not list, so that Alt+F4 still closes the window and F10 opens the menu.
TEST(DecideControlKey, ForwardsTheFunctionKeysTheListerUsesAndNoOthers) {
    const std::vector<table::KeyRow> rows = table::KeyForwardingRows();
    for (uint16_t key = table::FunctionKey(1); key <= table::FunctionKey(24); ++key) {
        for (int bits = 0; bits < 8; ++bits) {
            const table::KeyModifiers modifiers{(bits & 1) != 0, (bits & 4) != 0, (bits & 2) != 0};
            const auto row = std::find_if(rows.begin(), rows.end(), [&](const table::KeyRow& r) {
                return r.key == key && r.modifiers == modifiers;
            });
            for (const ViewerControl control : {ViewerControl::List, ViewerControl::Grid, ViewerControl::TableGrid}) {
                const table::ByLister* outcomes = row == rows.end()                ? nullptr
                                                  : control == ViewerControl::List ? &row->list
                                                  : control == ViewerControl::Grid ? &row->grid
                                                                                   : &row->Table();
                const FormKeyDecision expected =
                    outcomes == nullptr ? FormKeyDecision{} : DecisionOf(outcomes->topLevel);
                EXPECT_EQ(DecideControlKey(control, key, ShiftStateOf(modifiers)), expected)
                    << "F" << key - table::kF1 + 1 << " modifiers " << bits;
            }
        }
    }
}

}  // namespace
}  // namespace dd
