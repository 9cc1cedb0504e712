#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "outputs/PrintCommandText.h"
#include "outputs/PrintCommands.h"

// Helpers of the print tests: readable comparison of command lists, and their pages.
namespace dd::test {

// Compares two command lists and names the first command that differs.
inline void ExpectSameCommands(const std::vector<PrintCommand>& actual, const std::vector<PrintCommand>& expected) {
    const size_t common = std::min(actual.size(), expected.size());
    for (size_t i = 0; i < common; ++i) {
        if (actual[i] != expected[i]) {
            ADD_FAILURE() << "command " << i << " is\n  " << DescribePrintCommand(actual[i]) << "\nexpected\n  "
                          << DescribePrintCommand(expected[i]);
            return;
        }
    }
    EXPECT_EQ(actual.size(), expected.size())
        << "same first " << common << " commands, then "
        << (actual.size() > common ? DescribePrintCommand(actual[common]) : DescribePrintCommand(expected[common]));
}

// The commands between `begin document` and `end document`, cut at every `next page`.
inline std::vector<std::vector<PrintCommand>> PagesOf(const std::vector<PrintCommand>& commands) {
    std::vector<std::vector<PrintCommand>> pages(1);
    for (const PrintCommand& command : commands) {
        if (std::holds_alternative<BeginDocument>(command) || std::holds_alternative<EndDocument>(command)) continue;
        if (std::holds_alternative<NextPage>(command)) {
            pages.emplace_back();
        } else {
            pages.back().push_back(command);
        }
    }
    return pages;
}

// The cells drawn on a page, in drawing order.
inline std::vector<TextInRect> CellsOf(const std::vector<PrintCommand>& page) {
    std::vector<TextInRect> cells;
    for (const PrintCommand& command : page) {
        if (const auto* cell = std::get_if<TextInRect>(&command)) cells.push_back(*cell);
    }
    return cells;
}

}  // namespace dd::test
