#include <signal.h>
#include <string.h>
#include <unistd.h>

#include "../dictionary/Error.h"
#include "Platform.h"

namespace dd::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

std::string NativePath(const std::string& utf8Path) { return utf8Path; }

void PrepareStandardOutput() {}

namespace {

// Written once before the file is mapped; the handler may only use what is ready.
char shrunkMessage[4096];
size_t shrunkLength = 0;

void OnBusError(int) {
    ssize_t ignored = ::write(STDERR_FILENO, shrunkMessage, shrunkLength);
    (void)ignored;
    ::_exit(1);
}

}  // namespace

void ReportShrunkenFiles(const std::string& path) {
    // A mapped file cut short by another program raises SIGBUS on the next read of its lost pages.
    const std::string message = "ddview: " + path + ": " + IoErrorMessage(30) + "\n";
    shrunkLength = std::min(message.size(), sizeof shrunkMessage);
    ::memcpy(shrunkMessage, message.data(), shrunkLength);
    struct sigaction action {};
    action.sa_handler = OnBusError;
    ::sigaction(SIGBUS, &action, nullptr);
}

}  // namespace dd::cli
