#include <gtest/gtest.h>

#include "cli/CommandLine.h"

namespace dd::cli {
namespace {

TEST(ParseCommandLine, TakesOptionsAnywhereAfterTheCommandWord) {
    struct Case {
        std::vector<std::string> arguments;
        std::string command;
        std::vector<std::string> operands;
        bool raw;
    };
    const Case cases[] = {
        {{"list", "--raw", "f"}, "list", {"f"}, true},   {{"list", "f", "--raw"}, "list", {"f"}, true},
        {{"show", "f", "3"}, "show", {"f", "3"}, false}, {{"find", "f", "--", "--raw"}, "find", {"f", "--raw"}, false},
        {{"find", "f", "-"}, "find", {"f", "-"}, false},
    };
    for (const auto& c : cases) {
        const auto line = ParseCommandLine(c.arguments);
        ASSERT_TRUE(line);
        EXPECT_EQ(line->command, c.command);
        EXPECT_EQ(line->operands, c.operands);
        EXPECT_EQ(line->raw, c.raw);
    }
}

TEST(ParseCommandLine, RefusesUnknownOptionsAndNotesHelp) {
    EXPECT_FALSE(ParseCommandLine({"list", "--rwa", "f"}));
    EXPECT_FALSE(ParseCommandLine({"show", "f", "-1"}));
    EXPECT_TRUE(ParseCommandLine({"list", "--help"})->help);
}

}  // namespace
}  // namespace dd::cli
