#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dd::cli {

struct Command;

// A parsed command line: the command, its operands and the options, which may stand anywhere after
// the command word. Each option of the command table sets one member here.
struct CommandLine {
    std::string command;  // its name; empty for the help of ddview itself
    const Command* definition = nullptr;
    std::vector<std::string> operands;
    bool raw = false;
    bool json = false;
    bool csv = false;
    bool names = false;    // columns under their own names
    bool deleted = false;  // deleted rows too
    bool force = false;    // an existing output file is replaced
    std::string dictionary;
    std::string dialect;
    // --help or --version: `text` is what to print, and nothing is run.
    bool help = false;
    bool version = false;
    std::string text;
};

// Nothing when the command line is not one that ddview takes; `problem` then says why.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments, std::string* problem = nullptr);

// The short usage, printed after a problem with the command line: a line per command of the table.
std::string Usage();

}  // namespace dd::cli
