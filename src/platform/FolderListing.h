#pragma once

#include <string>
#include <vector>

namespace dd {

// The names of the files in a folder (UTF-8 path; names in UTF-8), sorted by their bytes; folders and
// what is not a file are left out. Fails with the input/output error of the system's code when the
// folder cannot be read. Defined per platform.
std::vector<std::string> FilesInFolder(const std::string& folder);

// The path of a file in a folder, with the folder's own separator ("/" on POSIX, "\" on Windows) between.
std::string PathInFolder(const std::string& folder, const std::string& name);

}  // namespace dd
