#pragma once

#include <span>
#include <string>

#include "cli/CommandLine.h"
#include "cli/TextOutput.h"

namespace dd::cli {

// What an operand is: the parser checks a table number, the rest are taken as given.
enum class OperandKind { kFile, kTableNumber, kText };

// An operand of a command: its name in the usage and what it is.
struct Operand {
    const char* name;
    const char* help;
    OperandKind kind = OperandKind::kFile;
};

// An option of a command: a flag, or an option with a value, and the member of the parsed command line it sets.
struct Option {
    const char* name;  // "--json"
    const char* help;
    bool CommandLine::*flag = nullptr;
    std::string CommandLine::*value = nullptr;
    const char* valueName = nullptr;            // how the help names the value: "FILE"
    const char* excludes = nullptr;             // an option of the same command that cannot be given with it
    std::span<const char* const> choices = {};  // the values it takes; any when empty
};

// Exit statuses.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kBadCommandLine = 2;

// One command of ddview: what the parser offers, what the help, the short usage and the manual page
// say of it, and what runs it. Adding a command is adding a row.
struct Command {
    const char* name;
    const char* summary;  // one line, in the list of commands and the short usage
    const char* details;  // the command's own help, below its usage
    std::span<const Operand> operands;
    std::span<const Option> options;
    std::span<const char* const> examples;  // command lines after "ddview ", shown in the command's help
    bool printsJson;                        // prints JSON whatever the options say
    // Runs the command on a parsed line; the dictionary's failures are raised (dd::Error), other
    // failures are reported here and give the exit status.
    int (*run)(const CommandLine& line, TextOutput& out);
    // The exit status of a failure that `run` raises: diff's 1 says "different", so its failures give 2.
    int failureStatus = kFailed;
};

std::span<const Command> Commands();

// Prints "ddview: FILE: message" on standard error; returns `status`.
int ReportFailure(const std::string& file, const std::string& message, int status = kFailed);

// The version of ddview and of the plug-in, one for the whole project.
const char* Version();

}  // namespace dd::cli
