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

// Each command's operands, its options where it takes them, and what a script gets wrong.
TEST(ParseCommandLine, TakesEachCommandsOperandsAndOptions) {
    struct Case {
        std::vector<std::string> arguments;
        bool parsed;
        std::string problem;  // a part of it
        bool raw = false, json = false;
    };
    const Case cases[] = {
        {{"dump", "f"}, true, "", false, true},
        {{"list", "f", "--json"}, true, "", false, true},
        {{"show", "--json", "f", "0"}, true, "", false, true},
        {{"find", "f", "x", "--json"}, true, "", false, true},
        {{"--raw", "list", "f"}, true, "", true, false},
        {{"export", "f", "1", "out", "--raw"}, true, "", true, false},
        {{"dump", "f", "--raw"}, false, "--raw"},
        {{"--raw", "dump", "f"}, false, "--raw"},
        {{"list", "f", "--json", "--raw"}, false, "--raw"},
        {{"export", "f", "1", "out", "--json"}, false, "--json"},
        {{"show", "f", "0x1"}, false, "N"},
        {{"show", "f", "1234567890"}, false, "N"},
        {{"export", "f", "-1", "out"}, false, ""},
        {{"show", "f"}, false, "N"},
        {{"list"}, false, "FILE"},
        {{"list", "f", "g"}, false, "g"},
        {{"diff", "a", "b"}, true, "", false, false},
        {{"diff", "--json", "a", "b"}, true, "", false, true},
        {{"diff", "a"}, false, "NEW"},
        {{"diff", "a", "b", "--raw"}, false, "--raw"},
        {{"--raw", "diff", "a", "b"}, false, "--raw"},
        {{"bogus", "f"}, false, "command"},
        {{}, false, "command"},
    };
    for (const Case& c : cases) {
        std::string problem;
        const auto line = ParseCommandLine(c.arguments, &problem);
        std::string label;
        for (const auto& argument : c.arguments) label += argument + " ";
        ASSERT_EQ(line.has_value(), c.parsed) << label << problem;
        if (!c.parsed) {
            EXPECT_NE(problem.find(c.problem), std::string::npos) << label << problem;
            continue;
        }
        EXPECT_EQ(line->raw, c.raw) << label;
        EXPECT_EQ(line->json, c.json) << label;
    }
}

TEST(ParseCommandLine, GivesTheHelpOfTheCommandAndTheVersion) {
    struct Case {
        std::vector<std::string> arguments;
        std::string command, part;
    };
    const Case cases[] = {
        {{"--help"}, "", "Commands:"},
        {{"-h"}, "", "dump"},
        {{"show", "--help"}, "show", "Usage: ddview show [OPTIONS] FILE N"},
        {{"find", "f", "--help"}, "find", "--json"},
        {{"dump", "--help"}, "dump", "\"edition\""},
        {{"export", "-h"}, "export", "OUT"},
    };
    for (const Case& c : cases) {
        const auto line = ParseCommandLine(c.arguments);
        ASSERT_TRUE(line && line->help) << c.part;
        EXPECT_EQ(line->command, c.command) << c.part;
        EXPECT_NE(line->text.find(c.part), std::string::npos) << line->text;
    }
    const auto version = ParseCommandLine({"--version"});
    ASSERT_TRUE(version && version->version);
    EXPECT_EQ(version->text, std::string("ddview ") + DD_VERSION + "\n");
}

}  // namespace
}  // namespace dd::cli
