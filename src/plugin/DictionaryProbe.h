#pragma once

#include <cstddef>
#include <string>

#include "dictionary/TableMarker.h"

namespace dd {

// How much of a file the probe reads.
inline constexpr size_t kDictionaryProbeBytes = kTableMarkerProbeBytes;

// Whether the file at the path may be a dictionary, from its first 64 KB alone: false when no line
// there holds the table marker (an empty file included), so that a disk image or any other file that
// happens to have the extension is declined without being read whole. A marker cut by the 64 KB
// boundary is not seen. True when the marker is there, and also when the file cannot be read at all
// (missing, locked, a folder): opening it then reports its error as it always did.
bool MayBeDictionary(const std::string& path);

}  // namespace dd
