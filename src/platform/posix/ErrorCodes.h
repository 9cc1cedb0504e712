#pragma once

#include <string>

namespace dd {

// The code the Windows file functions give for the same failure as this errno value, so that the
// command-line tool says what the viewer says.
int WindowsCodeOf(int error);

// Raises the error of a failed open of the path: a missing folder is "Invalid filename" (3) as on
// Windows, a missing file in an existing folder "File not found" (2).
[[noreturn]] void ThrowOpenError(const std::string& path);

}  // namespace dd
