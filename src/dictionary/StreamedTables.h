#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/DictionaryStream.h"
#include "dictionary/GridModel.h"
#include "dictionary/TableFieldView.h"
#include "dictionary/TableIndexes.h"

namespace dd {

// A table read in full from a stream: what the list and the field grid show of it, and its indexes.
struct StreamedTable {
    int32_t entry = 0;
    std::string description;  // the list's text
    std::string name;         // the whole name from its marker line (TableNameOfMarkerLine); empty when it names none
    GridModel grid;           // as the table view shows it: row 0 the captions, row 1 the identifier, then the fields
    std::vector<TableIndex> indexes;
};

// Reads the tables that `wanted` names in full, each through the table view's scan and, with
// `withIndexes`, the indexes' scan, and hands them to `done` in file order (tables whose scans overlap
// are held until those before them are done). `done` returns false when no more tables are needed.
class StreamedTables : public TableStreamSink {
public:
    using Wanted = std::function<bool(int32_t entry)>;
    using Done = std::function<bool(StreamedTable& table)>;

    StreamedTables(bool isSql, bool withIndexes, Wanted wanted, Done done);

    bool WantsTable(int32_t entry) override;
    bool TakeLine(int32_t entry, int64_t offset, std::string_view line) override;
    void EndOfInput(int32_t tables) override;
    bool Finished() const override { return finished_; }
    bool WantsMarkerLine() const override { return true; }

private:
    struct Pending {
        StreamedTable table;
        std::optional<TableFieldScan> fields;
        std::optional<TableIndexScan> indexes;
        bool tableLineSeen = false;
        bool complete = false;
    };
    void TakeTableLine(Pending& pending, std::string_view line);
    void HandOver();

    bool isSql_;
    bool withIndexes_;
    Wanted wanted_;
    Done done_;
    std::deque<std::unique_ptr<Pending>> pending_;  // in file order
    bool finished_ = false;
};

}  // namespace dd
