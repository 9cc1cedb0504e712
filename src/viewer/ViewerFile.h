#pragma once

#include <optional>
#include <string>

#include "base/BaseTableFile.h"

namespace dd {

// A file the viewer shows: a dictionary (1Cv7.DD, 1Cv7.DDS) in its list and field grid, or a table of a base
// in the data view, with the dictionary beside it.
struct ViewerFile {
    std::string path;  // UTF-8
    std::optional<BaseTableFile> table;
};

}  // namespace dd
