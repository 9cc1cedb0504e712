#include "dbf/DbfRowStream.h"

#include <algorithm>

#include "dictionary/Error.h"

namespace dd {

DbfRowStream::DbfRowStream(const DbfTable& table, size_t bufferSize)
    : table_(table),
      recordsPerRead_(std::max<size_t>(1, bufferSize / table.RecordLength())),
      truncated_(table.Truncated()) {
    WithMemoryReported([&] { buffer_.resize(recordsPerRead_ * table.RecordLength()); });
}

DbfRows DbfRowStream::NextRows() {
    if (ended_) return {};
    const DbfRows rows = table_.ReadRows(nextRow_, recordsPerRead_, buffer_);
    nextRow_ += rows.Count();
    if (nextRow_ == table_.RowCount()) {
        ended_ = true;
    } else if (rows.Count() < recordsPerRead_) {
        // The file became shorter than it was when the table was opened.
        ended_ = true;
        truncated_ = true;
    }
    return rows;
}

std::optional<DbfRow> DbfRowStream::Next() {
    if (inRun_ == run_.Count()) {
        run_ = NextRows();
        inRun_ = 0;
        if (run_.Empty()) return std::nullopt;
    }
    return run_[inRun_++];
}

}  // namespace dd
