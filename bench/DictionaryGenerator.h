#pragma once

#include <cstdint>
#include <cstdio>

namespace dd::bench {

// Writes a dictionary shaped like the platform's own (header, one section per table with its
// table line, padded field lines and indexes) until it is at least `bytes` long. The content is
// the same for the same arguments. Returns the number of tables written.
int64_t WriteDictionary(std::FILE* out, uint64_t bytes, bool sqlEdition);

}  // namespace dd::bench
