#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "dbf/DbfHeader.h"
#include "dbf/DbfRows.h"
#include "dictionary/RandomAccessSource.h"

namespace dd {

// A dBase table opened for reading: its checked header, the rows it holds, and any run of them read on demand
// (a viewer's screenful); DbfRowStream reads them all front to back. The platform writes its tables while it
// runs, so the header is not trusted alone: the rows are those the header counts or the whole records the file
// holds, whichever are fewer, and a file shorter than its header says is read to its last whole record.
class DbfTable {
public:
    // Reads and checks the header (ReadDbfHeader) and measures the rows; reads no record. Fails as
    // ReadDbfHeader fails.
    explicit DbfTable(std::unique_ptr<RandomAccessSource> source);

    const DbfHeader& Header() const noexcept { return header_; }
    const std::vector<DbfColumn>& Columns() const noexcept { return header_.columns; }
    size_t RecordLength() const noexcept { return header_.recordLength; }
    // The rows to read, deleted ones included: the header's count or the whole records held, whichever is fewer.
    uint64_t RowCount() const noexcept { return rowCount_; }
    // Whether the file holds fewer whole records than its header counts (cut short, or a record being written):
    // the rows end at its last whole record, and the caller may say so.
    bool Truncated() const noexcept { return rowCount_ < header_.recordCount; }

    // Reads the rows from `first` on, `count` of them or as many as there are up to RowCount(), into `buffer`
    // (grown as needed, reused from call to call); the rows are views into it. Gives fewer, none at all past
    // the end, where the file has become shorter since it was opened. Fails with the source's input/output
    // error, or with error 8 where the run would not fit into memory.
    DbfRows ReadRows(uint64_t first, size_t count, std::vector<char>& buffer) const;

    // Where row `row` starts in the file.
    uint64_t RowOffset(uint64_t row) const noexcept { return header_.headerLength + row * header_.recordLength; }
    RandomAccessSource& Source() const noexcept { return *source_; }

private:
    std::unique_ptr<RandomAccessSource> source_;
    DbfHeader header_;
    uint64_t rowCount_ = 0;
};

}  // namespace dd
