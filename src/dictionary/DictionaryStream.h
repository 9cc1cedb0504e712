#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dd {

// Where a stream reader takes a file's bytes from, front to back.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes into `buffer`; 0 at the end. Fails with the input/output error of the reading.
    virtual size_t Read(char* buffer, size_t size) = 0;
};

// What a reader of the stream does with its tables. Tables come in file order, numbered from 0 as the
// list numbers them; a table that wants its lines gets them from its table line on, each as loading stores it.
class TableStreamSink {
public:
    virtual ~TableStreamSink() = default;
    // Table `entry` begins; whether its lines are wanted.
    virtual bool WantsTable(int32_t entry) = 0;
    // The line `offset` lines below table `entry`'s table line (0: the table line); false once no more are wanted.
    // A sink that wants the marker line gets the lines from it on: offset -2, then -1, then the table line.
    virtual bool TakeLine(int32_t entry, int64_t offset, std::string_view line) = 0;
    virtual bool WantsMarkerLine() const { return false; }
    // The input ended after `tables` tables (or the sink finished): lines that were not given do not exist.
    virtual void EndOfInput(int32_t tables) = 0;
    // True once nothing further of the file is needed: reading stops.
    virtual bool Finished() const { return false; }
};

// How many bytes the stream reader reads at a time: small enough to stay in the processor's cache.
inline constexpr size_t kStreamBufferSize = size_t{256} << 10;

// Reads a dictionary once, front to back, through a buffer of `bufferSize` bytes (larger only while a
// line is longer), with the line rules of the whole-file reader (DictionaryLines): the same tables, and
// the same text for every line. Holds no more of the file than the line being read. Returns the number
// of tables read; fails with the source's error, and with the input/output error 8 when memory runs out.
int32_t ReadDictionaryStream(ByteSource& source, TableStreamSink& sink, size_t bufferSize = kStreamBufferSize);

// Bytes in memory as a source, given out in pieces of at most `piece` bytes (a file read gives what it has).
class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes, size_t piece = SIZE_MAX) : bytes_(bytes), piece_(piece) {}
    size_t Read(char* buffer, size_t size) override;

private:
    std::string_view bytes_;
    size_t piece_;
    size_t read_ = 0;
};

}  // namespace dd
