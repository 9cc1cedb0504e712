#include "dictionary/RandomAccessSource.h"

#include <algorithm>
#include <cstring>

namespace dd {

size_t MemoryRandomAccessSource::ReadAt(uint64_t offset, char* buffer, size_t size) {
    if (offset >= bytes_.size()) return 0;
    const size_t count = std::min<size_t>(size, bytes_.size() - static_cast<size_t>(offset));
    std::memcpy(buffer, bytes_.data() + offset, count);
    return count;
}

}  // namespace dd
