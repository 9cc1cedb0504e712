#include "cli/CommandLine.h"

#include <algorithm>
#include <memory>

#include "cli/CommandTable.h"
#include <CLI/CLI.hpp>

namespace dd::cli {

namespace {

constexpr const char* kDescription =
    "ddview: the tables and fields of the data dictionaries 1Cv7.DD (DBF edition) and 1Cv7.DDS (SQL edition), "
    "as the ddlister viewer shows them.";

constexpr const char* kFooter =
    "Texts are printed as UTF-8, control characters inside them (a TAB among them) as U+FFFD; --raw prints the "
    "dictionary's own bytes (Windows-1251) instead. --json prints JSON, whose texts keep every character. Options "
    "may stand anywhere after the command word; -- ends them. The file is read once, front to back.\n\n"
    "Exit status: 0 done; 1 failed, with \"ddview: FILE: message\" on standard error (File not found, not a "
    "data dictionary, no table 99: the dictionary has 21 tables, ...); 2 bad command line; 141 when the reader of "
    "the output went away (a closed pipe), quietly. diff, as diff does: 0 equal, 1 different, 2 trouble (a failure "
    "or a bad command line).\n\n"
    "ddview COMMAND --help describes each command.";

// A table number: decimal digits only.
bool IsEntry(const std::string& text) {
    return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
}

// --raw is also taken before the command word, where the command's own options are not yet known.
bool OffersRaw(const Command& command) {
    return std::any_of(command.options.begin(), command.options.end(),
                       [](const Option& option) { return option.flag == &CommandLine::raw; });
}

// What one command's options and operands are parsed into.
struct Parsed {
    const Command* command = nullptr;
    CLI::App* app = nullptr;
    CommandLine line;
};

void Describe(CLI::App& app) {
    auto formatter = std::make_shared<CLI::Formatter>();
    formatter->column_width(24);
    formatter->label("REQUIRED", "");
    formatter->label("SUBCOMMAND", "COMMAND");
    formatter->label("Positionals", "Arguments");
    app.formatter(formatter);
}

// The text cut into lines of at most `width` characters at spaces; paragraphs stay apart.
std::string Wrapped(std::string_view text, size_t width = 100) {
    std::string out;
    size_t column = 0;
    for (size_t pos = 0; pos < text.size();) {
        if (text[pos] == '\n') {
            out += '\n';
            column = 0;
            ++pos;
            continue;
        }
        const size_t end = std::min(text.find_first_of(" \n", pos), text.size());
        const std::string_view word = text.substr(pos, end - pos);
        if (column > 0 && column + 1 + word.size() > width) {
            out += '\n';
            column = 0;
        } else if (column > 0) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        pos = end < text.size() && text[end] == ' ' ? end + 1 : end;
    }
    return out;
}

// The command's help below its usage: what it does, then its examples.
std::string CommandFooter(const Command& command) {
    std::string footer = Wrapped(command.details);
    if (!command.examples.empty()) {
        footer += "\n\nExamples:";
        for (const char* example : command.examples) footer += std::string("\n  ddview ") + example;
    }
    return footer;
}

// Offers the command's operands and options, each bound to where the parsed line keeps it.
void Offer(Parsed& into) {
    const Command& command = *into.command;
    into.line.operands.resize(command.operands.size());
    for (size_t i = 0; i < command.operands.size(); ++i) {
        into.app->add_option(command.operands[i].name, into.line.operands[i], command.operands[i].help)
            ->required()
            ->type_name("");
    }
    for (const Option& option : command.options) {
        if (option.flag != nullptr)
            into.app->add_flag(option.name, into.line.*option.flag, option.help);
        else
            into.app->add_option(option.name, into.line.*option.value, option.help)->type_name(option.valueName);
        if (!option.choices.empty()) {
            into.app->get_option(option.name)
                ->check(CLI::IsMember(std::vector<std::string>(option.choices.begin(), option.choices.end())));
        }
    }
    // Once all are offered, so that an option may exclude one offered after it.
    for (const Option& option : command.options) {
        if (option.excludes == nullptr) continue;
        CLI::Option* offered = into.app->get_option_no_throw(option.name);
        CLI::Option* other = into.app->get_option_no_throw(option.excludes);
        if (offered != nullptr && other != nullptr) offered->excludes(other);
    }
}

// What the table says of the operands given that the parser cannot check by itself.
std::optional<std::string> OperandProblem(const Command& command, const std::vector<std::string>& operands) {
    for (size_t i = 0; i < command.operands.size(); ++i) {
        if (command.operands[i].kind == OperandKind::kTableNumber && !IsEntry(operands[i])) {
            return std::string(command.operands[i].name) +
                   ": the table's number is written in digits only, from 0: " + operands[i];
        }
    }
    return std::nullopt;
}

}  // namespace

std::string Usage() {
    std::string usage = "usage: ddview COMMAND [OPTIONS] ARGUMENTS...\n";
    for (const Command& command : Commands()) {
        std::string line = std::string("  ddview ") + command.name;
        for (const Operand& operand : command.operands) line += std::string(" ") + operand.name;
        line.resize(std::max<size_t>(line.size() + 2, 30), ' ');
        usage += line + command.summary + "\n";
    }
    usage +=
        "Texts are printed as UTF-8; --raw prints the dictionary's own bytes (Windows-1251); --json prints JSON.\n"
        "Options may stand anywhere after the command word. Exit status: 0 done, 1 failed, 2 bad command line;\n"
        "diff: 0 equal, 1 different, 2 trouble.\n"
        "ddview --help and ddview COMMAND --help tell more.\n";
    return usage;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments, std::string* problem) {
    CLI::App app(kDescription, "ddview");
    Describe(app);
    app.footer(Wrapped(kFooter));
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("ddview ") + Version(), "Print ddview's version and exit");
    bool rawBeforeCommand = false;
    app.add_flag("--raw", rawBeforeCommand)->group("");  // as before the command word was parsed too

    std::vector<Parsed> parsed(Commands().size());
    for (size_t k = 0; k < Commands().size(); ++k) {
        Parsed& into = parsed[k];
        into.command = &Commands()[k];
        into.app = app.add_subcommand(into.command->name, into.command->summary);
        into.app->group("Commands");
        Describe(*into.app);
        into.app->footer(CommandFooter(*into.command));
        Offer(into);
    }

    CommandLine line;
    const auto fail = [&](const std::string& why) -> std::optional<CommandLine> {
        if (problem != nullptr) *problem = why;
        return std::nullopt;
    };
    try {
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());  // CLI11 takes them last first
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        line.help = true;
        line.text = app.help();  // the help of the command given, if any
    } catch (const CLI::CallForVersion&) {
        line.version = true;
        line.text = std::string("ddview ") + Version() + "\n";
    } catch (const CLI::ParseError& error) {
        std::string why = error.what();
        for (size_t at; (at = why.find("subcommand")) != std::string::npos;) why.replace(at, 10, "command");
        return fail(why);
    }
    const auto chosen = std::find_if(parsed.begin(), parsed.end(), [](const Parsed& p) { return p.app->parsed(); });
    if (chosen == parsed.end()) return line.help || line.version ? std::optional(line) : fail("no command given");
    if (line.help) {
        line.command = chosen->command->name;
        line.definition = chosen->command;
        return line;
    }
    line = std::move(chosen->line);
    line.command = chosen->command->name;
    line.definition = chosen->command;
    line.raw = line.raw || rawBeforeCommand;
    line.json = line.json || chosen->command->printsJson;
    if (const auto why = OperandProblem(*chosen->command, line.operands)) return fail(*why);
    if (line.raw && line.json) return fail("--raw: JSON is always UTF-8");
    if (line.raw && !OffersRaw(*chosen->command))
        return fail(std::string("--raw: ") + line.command + " prints UTF-8 only");
    return line;
}

}  // namespace dd::cli
