#pragma once

#include <string>

namespace dd::cli {

// What is wrong with a path that ddview is to read, in the user's words: a folder where a file was
// meant, or a folder that does not exist. Fails with that message (dd::Error); a path that may well be
// read passes, and reading it then reports its own failure.
void CheckPathToRead(const std::string& path, const char* fileMeant);

// The same for a file that ddview is to write: a folder given, or the folder it would go into missing.
void CheckPathToWrite(const std::string& path);

}  // namespace dd::cli
