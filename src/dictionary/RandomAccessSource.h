#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dd {

// Where a reader takes a file's bytes from when it reads them out of order: a DBF table's header, a
// screenful of its rows, or its rows front to back. The platform gives one for a file (OpenRandomAccessFile);
// MemoryRandomAccessSource gives one for bytes in memory. Offsets are 64-bit in every build, so a 32-bit
// program reaches past 4 GB.
class RandomAccessSource {
public:
    virtual ~RandomAccessSource() = default;
    // The size in bytes as it is now: a file that another program writes may grow or shrink between calls.
    virtual uint64_t Size() = 0;
    // Reads `size` bytes at `offset` into `buffer`, fewer only where the end of the file comes first (none at or
    // past it); returns how many. Fails with the input/output error of the reading.
    virtual size_t ReadAt(uint64_t offset, char* buffer, size_t size) = 0;
};

// Bytes in memory as a random-access source: for tests, the fuzzer and content that is not a file.
// The bytes are not copied and must outlive the source.
class MemoryRandomAccessSource : public RandomAccessSource {
public:
    explicit MemoryRandomAccessSource(std::string_view bytes) : bytes_(bytes) {}
    uint64_t Size() override { return bytes_.size(); }
    size_t ReadAt(uint64_t offset, char* buffer, size_t size) override;

private:
    std::string_view bytes_;
};

}  // namespace dd
