#include "cli/Platform.h"

namespace dd::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

std::string NativePath(const std::string& utf8Path) { return utf8Path; }

void PrepareStandardOutput() {}

}  // namespace dd::cli
