#pragma once

#include <string>

#include "cli/Commands.h"
#include "cli/TextOutput.h"

namespace dd::cli {

// The exit statuses of diff, as diff(1) gives them.
inline constexpr int kSame = 0;
inline constexpr int kDifferent = 1;
inline constexpr int kTrouble = 2;

// Compares the dictionary at `oldPath` with the dictionary at `newPath`, or, when `newPath` is a folder, with the
// DBF tables of that base, and prints the differences (DiffText.h, DiffJson.h). A file that cannot be read is
// reported as "ddview: FILE: message" on standard error; a table's file in the folder that holds no dBase table
// too, after which the other tables are still compared and printed. Returns kSame, kDifferent or kTrouble.
int DiffTables(const std::string& oldPath, const std::string& newPath, Format format, TextOutput& out);

}  // namespace dd::cli
