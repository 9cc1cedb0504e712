#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "dbf/DbfRows.h"
#include "dbf/DbfTable.h"

namespace dd {

// How many bytes a row stream reads at a time: a few hundred records, still in the processor's cache when they
// are decoded.
inline constexpr size_t kDbfStreamBufferSize = size_t{256} << 10;

// A table's rows front to back through one buffer of a fixed size, for exports: the memory stays the same
// however large the table. Each read takes as many whole records as the buffer holds (one, where a record is
// longer than the buffer), so a row is never split. The table must outlive the stream. Take the rows either by
// runs (NextRows) or one by one (Next), not both from one stream.
class DbfRowStream {
public:
    explicit DbfRowStream(const DbfTable& table, size_t bufferSize = kDbfStreamBufferSize);

    // The next run of rows, views into the stream's buffer valid until the next call; empty at the end.
    DbfRows NextRows();
    // The next row, a view valid until the next call; nothing at the end.
    std::optional<DbfRow> Next();

    // Rows given so far.
    uint64_t RowsRead() const noexcept { return nextRow_; }
    // Whether the rows ended before the header's count: the file was shorter than its header says when it was
    // opened (DbfTable::Truncated), or became shorter while it was read.
    bool Truncated() const noexcept { return truncated_; }

private:
    const DbfTable& table_;
    std::vector<char> buffer_;
    size_t recordsPerRead_;
    uint64_t nextRow_ = 0;
    bool truncated_;
    bool ended_ = false;
    DbfRows run_;
    size_t inRun_ = 0;
};

}  // namespace dd
