#pragma once

#include <string>
#include <string_view>

namespace dd {

// Creates the file (an existing one is cut to zero length), writes the bytes and closes it; while it
// is open other programs may read it but not write it. Creation, writing and closing are each checked:
// the first failure closes the file and raises the input/output error of its code (a write that runs
// out of space as 101, "Disk full"). The file is not deleted after a failure. Defined per platform.
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace dd
