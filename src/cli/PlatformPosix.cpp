#include "cli/Platform.h"

namespace dd::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

void PrepareStandardOutput() {}

}  // namespace dd::cli
