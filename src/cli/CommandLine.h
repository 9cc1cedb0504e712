#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dd::cli {

// A parsed command line: the command word, its operands and the options, which may stand anywhere
// after the command word.
struct CommandLine {
    std::string command;
    std::vector<std::string> operands;
    bool raw = false;
    bool help = false;
};

// Nothing when the options are not known ones.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace dd::cli
