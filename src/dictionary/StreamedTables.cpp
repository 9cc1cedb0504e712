#include "dictionary/StreamedTables.h"

#include <algorithm>

#include "dictionary/SplitRecordLine.h"
#include "dictionary/TableMarker.h"

namespace dd {

StreamedTables::StreamedTables(bool isSql, bool withIndexes, Wanted wanted, Done done)
    : isSql_(isSql), withIndexes_(withIndexes), wanted_(std::move(wanted)), done_(std::move(done)) {}

bool StreamedTables::WantsTable(int32_t entry) {
    if (finished_ || !wanted_(entry)) return false;
    auto pending = std::make_unique<Pending>();
    pending->table.entry = entry;
    WriteGridCaptions(pending->table.grid);
    pending->fields.emplace(pending->table.grid, isSql_);
    pending_.push_back(std::move(pending));
    return true;
}

void StreamedTables::TakeTableLine(Pending& pending, std::string_view line) {
    std::string scratch;
    pending.table.description = TrimmedRecordField(line, 1, scratch);
    pending.fields->TableLine(line);
    pending.tableLineSeen = true;
}

bool StreamedTables::TakeLine(int32_t entry, int64_t offset, std::string_view line) {
    const auto found = std::find_if(pending_.begin(), pending_.end(),
                                    [entry](const auto& pending) { return pending->table.entry == entry; });
    if (found == pending_.end()) return false;
    Pending& pending = **found;
    bool more = true;
    if (offset < 0) {
        if (offset == -2) pending.table.name = TableNameOfMarkerLine(line);
    } else if (offset == 0) {
        TakeTableLine(pending, line);
    } else if (pending.indexes) {
        more = pending.indexes->Line(line);
    } else if (!pending.fields->Line(offset, line)) {
        more = withIndexes_ && pending.fields->EndedAtIndexes();
        if (more) pending.indexes.emplace();
    }
    if (!more) {
        pending.complete = true;
        HandOver();
    }
    return more && !finished_;
}

void StreamedTables::EndOfInput(int32_t) {
    // Lines past the end of the input read as empty: a table line there leaves the table its identifier row.
    for (auto& pending : pending_) {
        if (!pending->tableLineSeen) TakeTableLine(*pending, {});
        pending->complete = true;
    }
    HandOver();
}

void StreamedTables::HandOver() {
    while (!pending_.empty() && pending_.front()->complete && !finished_) {
        Pending& front = *pending_.front();
        if (front.indexes) front.table.indexes = std::move(front.indexes->Indexes());
        if (!done_(front.table)) finished_ = true;
        pending_.pop_front();
    }
    if (finished_) pending_.clear();
}

}  // namespace dd
