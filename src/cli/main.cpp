// ddview: the dictionary viewer's core on the command line.
#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>

#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "cli/Platform.h"
#include "dictionary/Error.h"
#include "platform/FileWriting.h"

namespace dd::cli {
namespace {

constexpr char kStandardOutput[] = "<stdout>";

int BadCommandLine(const std::string& problem) {
    std::fprintf(stderr, "ddview: %s\n%s", problem.c_str(), Usage().c_str());
    return kBadCommandLine;
}

int Run(const CommandLine& line) {
    TextOutput out(stdout, line.raw);
    const std::string& file = line.operands[0];
    const int failed = line.definition->failureStatus;
    int status = kDone;
    try {
        status = line.definition->run(line, out);
        out.Flush();
    } catch (const Error& error) {
        if (out.ReaderGone()) return kReaderGoneStatus;
        return ReportFailure(out.Failed() ? kStandardOutput : file, error.Message(), failed);
    } catch (const std::bad_alloc&) {
        return ReportFailure(file, IoErrorMessage(kIoNotEnoughMemory), failed);
    } catch (const std::length_error&) {  // past the largest string (2 GB in 32 bits): the UTF-8 of a 700 MB field
        return ReportFailure(file, IoErrorMessage(kIoNotEnoughMemory), failed);
    }
    if (std::fflush(stdout) != 0) {
        if (WriteFailedForNoReader()) return kReaderGoneStatus;
        return ReportFailure(kStandardOutput, IoErrorMessage(kIoDiskFull), failed);
    }
    return status;
}

}  // namespace
}  // namespace dd::cli

int main(int argc, char** argv) {
    using namespace dd::cli;
    PrepareStandardOutput();
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    std::string problem;
    const auto line = ParseCommandLine(Utf8Arguments(argc, argv), &problem);
    if (!line) return BadCommandLine(problem);
    if (line->help || line->version) {
        std::fputs(line->text.c_str(), stdout);
        return kDone;
    }
    return Run(*line);
}
