#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "dbf/DbfHeader.h"
#include "dbf/DbfValue.h"

namespace dd {

// One record of a table, a view into the buffer it was read into: valid until that buffer is read into again.
class DbfRow {
public:
    DbfRow() = default;
    // `record` is one whole record of the table whose columns these are.
    DbfRow(std::string_view record, std::span<const DbfColumn> columns) noexcept : record_(record), columns_(columns) {}

    // Marked deleted ('*' in its first byte); any other first byte (' ' as written) is a live row.
    bool Deleted() const noexcept { return record_[0] == '*'; }
    size_t ColumnCount() const noexcept { return columns_.size(); }
    // The bytes of column `column` (< ColumnCount()) as stored, padding included.
    std::string_view Bytes(size_t column) const noexcept {
        const DbfColumn& at = columns_[column];
        return {record_.data() + at.offset, at.length};
    }
    // The value of column `column` (< ColumnCount()), decoded by its type (DecodeDbfValue).
    DbfValue Value(size_t column) const noexcept { return DecodeDbfValue(columns_[column].type, Bytes(column)); }
    // The whole record, the deleted flag first.
    std::string_view Record() const noexcept { return record_; }

private:
    std::string_view record_;
    std::span<const DbfColumn> columns_;
};

// A run of consecutive records in one buffer, with the number of the first.
class DbfRows {
public:
    DbfRows() = default;
    DbfRows(std::string_view records, size_t recordLength, uint64_t first, std::span<const DbfColumn> columns) noexcept
        : records_(records), recordLength_(recordLength), first_(first), columns_(columns) {}

    size_t Count() const noexcept { return recordLength_ == 0 ? 0 : records_.size() / recordLength_; }
    bool Empty() const noexcept { return Count() == 0; }
    // The table's number (from 0) of the first row of the run.
    uint64_t First() const noexcept { return first_; }
    // Row `index` (< Count()) of the run, table row First() + index.
    DbfRow operator[](size_t index) const noexcept {
        return DbfRow({records_.data() + index * recordLength_, recordLength_}, columns_);
    }

private:
    std::string_view records_;
    size_t recordLength_ = 0;
    uint64_t first_ = 0;
    std::span<const DbfColumn> columns_;
};

}  // namespace dd
