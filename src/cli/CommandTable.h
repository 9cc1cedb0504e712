#pragma once

#include <array>
#include <span>
#include <string>

#include "cli/CommandLine.h"
#include "cli/TextOutput.h"

namespace dd::cli {

// An operand of a command: its name in the usage and what it is.
struct Operand {
    const char* name;
    const char* help;
};

// One command of ddview: what the parser offers and what runs it. Adding a command is adding a row.
struct Command {
    const char* name;
    const char* summary;  // one line, in the list of commands
    const char* details;  // the command's own help, below its usage
    std::array<Operand, 3> operands;
    int operandCount;
    bool raw;              // takes --raw (bytes as they are, Windows-1251)
    const char* jsonHelp;  // takes --json, which prints this; null when not
    // Runs the command on a parsed line; the dictionary's failures are raised (dd::Error), other
    // failures are reported here and give the exit status.
    int (*run)(const CommandLine& line, TextOutput& out);
};

std::span<const Command> Commands();

// Exit statuses.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kBadCommandLine = 2;

// Prints "ddview: FILE: message" on standard error; returns kFailed.
int ReportFailure(const std::string& file, const std::string& message);

// The version of ddview and of the plug-in, one for the whole project.
const char* Version();

}  // namespace dd::cli
