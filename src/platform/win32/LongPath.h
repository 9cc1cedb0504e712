#pragma once

#include <string>

namespace dd {

// A UTF-8 path as the wide file functions take it, beyond MAX_PATH characters too: a path that long is
// made full and given the "\\?\" prefix ("\\?\UNC\" for a share); a shorter one is only converted.
std::wstring WidePathForApi(const std::string& path);

}  // namespace dd
