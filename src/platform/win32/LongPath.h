#pragma once

#include <string>

namespace dd {

// A path that the ANSI file functions accept even beyond MAX_PATH characters: long absolute paths
// get the "\\?\" prefix after being made full; short ones are returned unchanged.
std::string LongPathForApi(const std::string& path);

}  // namespace dd
