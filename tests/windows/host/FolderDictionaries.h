#pragma once

#include <string>
#include <vector>

namespace dd::host {

// The files that the plug-in's detect string names (.DD, .DDS and .DBF, any letter case) in the folder of
// `path`, full paths, in the order the Lister's N and P walk a folder: by name, letter case ignored.
std::vector<std::wstring> DictionariesBeside(const std::wstring& path);

// The file after (step 1) or before (step -1) `path` in that order; empty at either end, or when the
// folder cannot be read.
std::wstring NeighbourDictionary(const std::wstring& path, int step);

}  // namespace dd::host
