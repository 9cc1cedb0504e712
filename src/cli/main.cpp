// ddview: the dictionary viewer's core on the command line.
#include <cstdio>
#include <exception>
#include <new>
#include <stdexcept>
#include <string>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Platform.h"
#include "dictionary/Cp1251.h"
#include "dictionary/Error.h"
#include "platform/FileWriting.h"

namespace dd::cli {
namespace {

constexpr int kFailed = 1;
constexpr int kBadCommandLine = 2;

int Usage() {
    std::fputs(kUsage, stderr);
    return kBadCommandLine;
}

int Fail(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "ddview: %s: %s\n", file.c_str(), message.c_str());
    return kFailed;
}

// A table number: decimal digits only.
bool ParseEntry(const std::string& text, int32_t& entry) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    entry = static_cast<int32_t>(std::stol(text));
    return true;
}

// TEXT is UTF-8; bytes that are not UTF-8 are taken as Windows-1251 already.
bool SearchText(const std::string& argument, std::string& text) {
    if (auto converted = Cp1251FromUtf8(argument)) {
        text = *converted;
        return true;
    }
    for (size_t i = 0; i < argument.size(); ++i) {
        const auto byte = static_cast<unsigned char>(argument[i]);
        if (byte >= 0xF0 ||
            (byte >= 0xC2 && i + 1 < argument.size() && (static_cast<unsigned char>(argument[i + 1]) & 0xC0) == 0x80)) {
            return false;  // well-formed UTF-8 whose characters Windows-1251 lacks
        }
    }
    text = argument;
    return true;
}

int Run(const CommandLine& line) {
    const auto& operands = line.operands;
    if (operands.empty()) return Usage();
    const std::string& file = operands[0];
    const std::string path = NativePath(file);
    TextOutput out(stdout, line.raw);
    try {
        int32_t entry = 0;
        if (line.command == "list" && operands.size() == 1) {
            ListTables(path, out);
        } else if (line.command == "show" && operands.size() == 2 && ParseEntry(operands[1], entry)) {
            ShowTable(path, entry, out);
        } else if (line.command == "export" && operands.size() == 3 && ParseEntry(operands[1], entry)) {
            const std::string bytes = ExportTable(path, entry);
            try {
                WriteWholeFile(NativePath(operands[2]), bytes);
            } catch (const Error& error) {
                return Fail(operands[2], error.Message());  // the output file's failure names that file
            }
        } else if (line.command == "find" && operands.size() == 2) {
            std::string text;
            if (!SearchText(operands[1], text)) {
                std::fprintf(stderr, "ddview: %s: the text has characters that Windows-1251 lacks\n",
                             operands[1].c_str());
                return kBadCommandLine;
            }
            FindText(path, text, out);
        } else {
            return Usage();
        }
    } catch (const Error& error) {
        return Fail(file, error.Message());
    } catch (const std::bad_alloc&) {
        return Fail(file, IoErrorMessage(kIoNotEnoughMemory));
    } catch (const std::length_error&) {  // past the largest string (2 GB in 32 bits): the UTF-8 of a 700 MB field
        return Fail(file, IoErrorMessage(kIoNotEnoughMemory));
    }
    if (std::fflush(stdout) != 0) return Fail("<stdout>", IoErrorMessage(kIoDiskFull));
    return 0;
}

}  // namespace
}  // namespace dd::cli

int main(int argc, char** argv) {
    using namespace dd::cli;
    PrepareStandardOutput();
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    const auto line = ParseCommandLine(Utf8Arguments(argc, argv));
    if (!line) return Usage();
    if (line->help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    return Run(*line);
}
