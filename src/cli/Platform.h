#pragma once

#include <string>
#include <vector>

namespace dd::cli {

// The command line's arguments as UTF-8.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Sets standard output up for bytes (no newline translation; UTF-8 on a Windows console).
void PrepareStandardOutput();

// Whether standard error is a terminal (a person watches it), so that a progress line may be kept there.
bool StandardErrorIsTerminal();

// What stands at a path (UTF-8): nothing, a folder, or anything else (a file, a device, a pipe).
enum class PathKind { kNothing, kFolder, kOther };
PathKind KindOfPath(const std::string& path);

}  // namespace dd::cli
