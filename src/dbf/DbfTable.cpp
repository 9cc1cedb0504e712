#include "dbf/DbfTable.h"

#include <algorithm>

#include "dictionary/Error.h"

namespace dd {

DbfTable::DbfTable(std::unique_ptr<RandomAccessSource> source)
    : source_(std::move(source)), header_(ReadDbfHeader(*source_)) {
    // Measured again: the file may have changed since its header was read. ReadDbfHeader checked that a record
    // is at least its deleted flag long.
    const uint64_t size = source_->Size();
    const uint64_t wholeRecords =
        size > header_.headerLength ? (size - header_.headerLength) / header_.recordLength : 0;
    rowCount_ = std::min<uint64_t>(header_.recordCount, wholeRecords);
}

DbfRows DbfTable::ReadRows(uint64_t first, size_t count, std::vector<char>& buffer) const {
    const uint64_t rows = first < rowCount_ ? std::min<uint64_t>(count, rowCount_ - first) : 0;
    const uint64_t bytes = rows * header_.recordLength;
    if (bytes > buffer.max_size()) throw IoError(kIoNotEnoughMemory);
    WithMemoryReported([&] {
        if (buffer.size() < bytes) buffer.resize(static_cast<size_t>(bytes));
    });
    const size_t got = rows == 0 ? 0 : source_->ReadAt(RowOffset(first), buffer.data(), static_cast<size_t>(bytes));
    const size_t whole = got - got % header_.recordLength;
    return DbfRows({buffer.data(), whole}, header_.recordLength, first, header_.columns);
}

}  // namespace dd
