#include "cli/CommandLine.h"

namespace dd::cli {

const char* const kUsage =
    "usage: ddview COMMAND [--raw] ARGUMENTS...\n"
    "  ddview list FILE            one line per table: N<TAB>description\n"
    "  ddview show FILE N          the field grid of table N: every row, cells joined by TAB\n"
    "  ddview find FILE TEXT       the rows of all tables whose cells contain TEXT (letter case ignored):\n"
    "                              N<TAB>description<TAB>row<TAB>cells...\n"
    "  ddview export FILE N OUT    writes table N as the viewer's aligned text file OUT\n"
    "Texts are printed as UTF-8; --raw prints the dictionary's own bytes (Windows-1251).\n"
    "Options may stand anywhere after the command word. Exit status: 0 done, 1 failed, 2 bad command line.\n";

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            line.help = true;
        } else if (!optionsEnded && argument == "--raw") {
            line.raw = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            return std::nullopt;
        } else if (line.command.empty()) {
            line.command = argument;
        } else {
            line.operands.push_back(argument);
        }
    }
    return line;
}

}  // namespace dd::cli
