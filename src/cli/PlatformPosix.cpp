#include <sys/stat.h>
#include <unistd.h>

#include "cli/Platform.h"

namespace dd::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

void PrepareStandardOutput() {}

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }

PathKind KindOfPath(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return PathKind::kNothing;
    return S_ISDIR(status.st_mode) ? PathKind::kFolder : PathKind::kOther;
}

}  // namespace dd::cli
