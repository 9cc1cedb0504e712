#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "dbf/DbfRowStream.h"
#include "dbf/DbfTable.h"
#include "dictionary/Error.h"
#include "fuzz/DbfExercise.h"
#include "support/DbfBuilder.h"

namespace dd {
namespace {

// A row as the tests compare it: the deleted flag and each value's kind and text.
struct RowSeen {
    bool deleted = false;
    std::vector<std::pair<DbfValueKind, std::string>> values;
    bool operator==(const RowSeen&) const = default;
};

// Shown in a failure's message: "*" for a deleted row, then each value as kind:text.
void PrintTo(const RowSeen& row, std::ostream* out) {
    *out << (row.deleted ? "*" : " ");
    for (const auto& [kind, text] : row.values) *out << " " << static_cast<int>(kind) << ":[" << text << "]";
}

RowSeen See(const DbfRow& row) {
    RowSeen seen{row.Deleted(), {}};
    for (size_t column = 0; column < row.ColumnCount(); ++column) {
        const DbfValue value = row.Value(column);
        seen.values.emplace_back(value.Kind(), std::string(value.Text()));
    }
    return seen;
}

// The bytes of a file, owned, which another program may cut short after the table was opened.
class FileBytesSource : public RandomAccessSource {
public:
    explicit FileBytesSource(std::string bytes) : bytes_(std::move(bytes)) {}
    uint64_t Size() override { return bytes_.size(); }
    size_t ReadAt(uint64_t offset, char* buffer, size_t size) override {
        return MemoryRandomAccessSource(bytes_).ReadAt(offset, buffer, size);
    }
    void CutTo(size_t size) { bytes_.resize(size); }

private:
    std::string bytes_;
};

DbfTable OpenBytes(std::string bytes) { return DbfTable(std::make_unique<FileBytesSource>(std::move(bytes))); }

std::vector<RowSeen> ByRuns(const DbfTable& table, size_t runLength) {
    std::vector<RowSeen> rows;
    std::vector<char> buffer;
    for (uint64_t first = 0; first < table.RowCount(); first += runLength) {
        const DbfRows run = table.ReadRows(first, runLength, buffer);
        EXPECT_EQ(run.First(), first);
        for (size_t i = 0; i < run.Count(); ++i) rows.push_back(See(run[i]));
    }
    return rows;
}

// Whether a stream through the whole table says it ended short.
bool StreamTruncated(const DbfTable& table, size_t bufferSize) {
    DbfRowStream stream(table, bufferSize);
    while (stream.Next()) {
    }
    return stream.Truncated();
}

std::vector<RowSeen> ByStream(const DbfTable& table, size_t bufferSize) {
    std::vector<RowSeen> rows;
    DbfRowStream stream(table, bufferSize);
    while (const auto row = stream.Next()) rows.push_back(See(*row));
    EXPECT_EQ(stream.RowsRead(), rows.size());
    return rows;
}

// Document lines with every kind of value: IDDOC C9, LINENO N4, SP3031 C20, SP3032 N14.3, SP3035 D8, SP3036 L1.
test::DbfBuilder DocumentLines(int rows) {
    test::DbfBuilder builder;
    builder.Field("IDDOC", 'C', 9)
        .Field("LINENO", 'N', 4)
        .Field("SP3031", 'C', 20)
        .Field("SP3032", 'N', 14, 3)
        .Field("SP3035", 'D', 8)
        .Field("SP3036", 'L', 1);
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i + 1);
        builder.Row({std::string(6 - n.size(), ' ') + n + "   ", n, "\xD2\xEE\xE2\xE0\xF0 " + n,
                     i % 3 == 0 ? "" : "-" + n + ".125", i % 4 == 0 ? "" : "202401" + std::to_string(10 + i % 19),
                     i % 2 == 0 ? "T" : "?"},
                    /*deleted=*/i % 5 == 2);
    }
    return builder;
}

TEST(DbfTable, ReadsTheFewerOfTheHeadersCountAndTheWholeRecordsHeld) {
    const test::DbfBuilder lines = DocumentLines(4);
    const std::string whole = lines.Bytes();
    const size_t records = lines.HeaderLength();  // where the records start
    const size_t length = lines.RecordLength();
    struct Case {
        std::string label;
        std::string bytes;
        uint64_t rows;
        bool truncated;
    };
    const Case cases[] = {
        {"as written", whole, 4, false},
        {"without the end-of-file byte", test::DbfBuilder(lines).WithoutEndOfFile().Bytes(), 4, false},
        {"cut inside the last record", whole.substr(0, records + 3 * length + 7), 3, true},
        {"cut after the first record", whole.substr(0, records + length), 1, true},
        {"cut inside the first record", whole.substr(0, records + 1), 0, true},
        {"only the header", whole.substr(0, records), 0, true},
        // A record being appended: the header does not count it yet.
        {"more records than the count", test::DbfBuilder(DocumentLines(4)).CountInHeader(2).Bytes(), 2, false},
        {"a count past the end", test::DbfBuilder(DocumentLines(4)).CountInHeader(1000000).Bytes(), 4, true},
        {"an empty table", DocumentLines(0).Bytes(), 0, false},
    };
    for (const Case& c : cases) {
        const DbfTable table = OpenBytes(c.bytes);
        EXPECT_EQ(table.RowCount(), c.rows) << c.label;
        EXPECT_EQ(table.Truncated(), c.truncated) << c.label;
        EXPECT_EQ(ByRuns(table, 2).size(), c.rows) << c.label;
        EXPECT_EQ(ByStream(table, 10).size(), c.rows) << c.label;
        EXPECT_EQ(StreamTruncated(table, 10), c.truncated) << c.label;
    }
}

TEST(DbfTable, ReadsEveryCutOfAFileAsTheRowsBeforeTheCut) {
    const test::DbfBuilder lines = DocumentLines(12);
    const std::string whole = lines.Bytes();
    const std::vector<RowSeen> all = ByRuns(OpenBytes(whole), 5);
    ASSERT_EQ(all.size(), 12u);
    for (size_t size = lines.HeaderLength(); size <= whole.size(); ++size) {
        const std::string cut = whole.substr(0, size);
        const DbfTable table = OpenBytes(cut);
        const size_t expected = std::min<size_t>(12, (size - lines.HeaderLength()) / lines.RecordLength());
        ASSERT_EQ(table.RowCount(), expected) << size;
        EXPECT_EQ(table.Truncated(), expected < 12) << size;
        const std::vector<RowSeen> rows = ByStream(table, 3 * lines.RecordLength() - 1);
        EXPECT_TRUE(std::equal(rows.begin(), rows.end(), all.begin())) << size;
        EXPECT_EQ(fuzz::ExerciseDbfTable(cut, size % 97), "") << size;
    }
}

TEST(DbfTable, TellsDeletedRowsFromLiveOnes) {
    const std::string bytes = test::DbfBuilder()
                                  .Field("ID", 'C', 9)
                                  .Row({"     1   "})
                                  .Row({"     2   "}, /*deleted=*/true)
                                  .Row({"     3   "})
                                  .Bytes();
    const DbfTable table = OpenBytes(bytes);
    std::vector<char> buffer;
    const DbfRows rows = table.ReadRows(0, 3, buffer);
    ASSERT_EQ(rows.Count(), 3u);
    EXPECT_FALSE(rows[0].Deleted());
    EXPECT_TRUE(rows[1].Deleted());
    EXPECT_EQ(rows[1].Value(0).Text(), "     2");  // a deleted row keeps its values
    EXPECT_FALSE(rows[2].Deleted());
}

TEST(DbfTable, GivesEachFieldsBytesAsStoredAndItsValue) {
    const std::string bytes = test::DbfBuilder()
                                  .Field("ID", 'C', 9)
                                  .Field("SP169", 'C', 300)
                                  .Field("SP170", 'N', 14, 2)
                                  .Row({"     1   ", "\xCF\xF0\xE8\xEC\xE5\xF7\xE0\xED\xE8\xE5", "-12.50"})
                                  .Bytes();
    const DbfTable table = OpenBytes(bytes);
    std::vector<char> buffer;
    const DbfRow row = table.ReadRows(0, 1, buffer)[0];
    EXPECT_EQ(row.Bytes(0), "     1   ");
    EXPECT_EQ(row.Bytes(1).size(), 300u);
    EXPECT_EQ(row.Value(1).Text(), "\xCF\xF0\xE8\xEC\xE5\xF7\xE0\xED\xE8\xE5");
    EXPECT_EQ(row.Bytes(2), "        -12.50");
    EXPECT_EQ(row.Value(2), DbfValue::Number("-12.50"));
    EXPECT_EQ(row.Record().size(), table.RecordLength());
}

TEST(DbfTable, GivesARunOfRowsCutAtTheEnd) {
    const DbfTable table = OpenBytes(DocumentLines(7).Bytes());
    const std::vector<RowSeen> all = ByRuns(table, 1);
    std::vector<char> buffer;
    struct Case {
        uint64_t first;
        size_t count, expected;
    };
    const Case cases[] = {{0, 7, 7}, {2, 3, 3}, {5, 10, 2}, {6, 1, 1}, {7, 1, 0}, {100, 5, 0}, {3, 0, 0}};
    for (const Case& c : cases) {
        const DbfRows rows = table.ReadRows(c.first, c.count, buffer);
        ASSERT_EQ(rows.Count(), c.expected) << c.first << "+" << c.count;
        for (size_t i = 0; i < rows.Count(); ++i) EXPECT_EQ(See(rows[i]), all[c.first + i]) << c.first + i;
    }
}

TEST(DbfRowStream, GivesTheRowsOfRandomAccessWhateverItsBuffer) {
    const test::DbfBuilder lines = DocumentLines(40);
    const DbfTable table = OpenBytes(lines.Bytes());
    const std::vector<RowSeen> expected = ByRuns(table, 7);
    ASSERT_EQ(expected.size(), 40u);
    const size_t record = lines.RecordLength();
    // Smaller than a record, one record, a buffer that ends inside a record, several records, all of them, more.
    for (const size_t bufferSize : {size_t{1}, record - 1, record, record + 1, 2 * record - 1, 3 * record + 5,
                                    40 * record, 41 * record, kDbfStreamBufferSize}) {
        EXPECT_EQ(ByStream(table, bufferSize), expected) << bufferSize;
    }
}

TEST(DbfRowStream, GivesRunsThatFollowOneAnother) {
    const test::DbfBuilder lines = DocumentLines(10);
    const DbfTable table = OpenBytes(lines.Bytes());
    DbfRowStream stream(table, 4 * lines.RecordLength() - 1);  // three records a read
    std::vector<size_t> counts;
    uint64_t next = 0;
    for (DbfRows run = stream.NextRows(); !run.Empty(); run = stream.NextRows()) {
        EXPECT_EQ(run.First(), next);
        next += run.Count();
        counts.push_back(run.Count());
    }
    EXPECT_EQ(counts, (std::vector<size_t>{3, 3, 3, 1}));
    EXPECT_TRUE(stream.NextRows().Empty());
    EXPECT_FALSE(stream.Truncated());
}

TEST(DbfRowStream, EndsAtTheLastWholeRecordOfAFileCutWhileItIsRead) {
    const test::DbfBuilder lines = DocumentLines(10);
    auto owned = std::make_unique<FileBytesSource>(lines.Bytes());
    FileBytesSource& source = *owned;
    const DbfTable table(std::move(owned));
    ASSERT_EQ(table.RowCount(), 10u);
    ASSERT_FALSE(table.Truncated());

    DbfRowStream stream(table, 2 * lines.RecordLength());
    ASSERT_EQ(stream.NextRows().Count(), 2u);
    source.CutTo(lines.HeaderLength() + 5 * lines.RecordLength() + 3);
    EXPECT_EQ(stream.NextRows().Count(), 2u);
    EXPECT_EQ(stream.NextRows().Count(), 1u);
    EXPECT_TRUE(stream.NextRows().Empty());
    EXPECT_EQ(stream.RowsRead(), 5u);
    EXPECT_TRUE(stream.Truncated());

    std::vector<char> buffer;
    EXPECT_EQ(table.ReadRows(3, 5, buffer).Count(), 2u);
    EXPECT_TRUE(table.ReadRows(6, 1, buffer).Empty());
}

// A table of five million records of 1000 bytes, 5 GB, made up at each read: rows past 4 GB must be reached
// where size_t is 32 bits too.
class HugeTableSource : public RandomAccessSource {
public:
    static constexpr uint32_t kRecords = 5'000'000;
    static constexpr uint32_t kRecordLength = 1000;

    HugeTableSource()
        : header_(test::DbfBuilder().Field("ROW", 'N', 10).Field("REST", 'C', 989).CountInHeader(kRecords).Bytes()) {
        header_.pop_back();  // the end-of-file byte of the empty table
    }
    uint64_t Size() override { return header_.size() + uint64_t{kRecords} * kRecordLength + 1; }
    size_t ReadAt(uint64_t offset, char* buffer, size_t size) override {
        size_t got = 0;
        for (; got < size && offset + got < Size(); ++got) buffer[got] = ByteAt(offset + got);
        return got;
    }

private:
    char ByteAt(uint64_t offset) const {
        if (offset < header_.size()) return header_[static_cast<size_t>(offset)];
        const uint64_t inRecords = offset - header_.size();
        if (inRecords == uint64_t{kRecords} * kRecordLength) return '\x1A';
        const uint64_t row = inRecords / kRecordLength;
        const size_t at = static_cast<size_t>(inRecords % kRecordLength);
        if (at == 0 || at > 10) return ' ';
        const std::string number = std::to_string(row);
        const size_t digitsFrom = 11 - number.size();
        return at < digitsFrom ? ' ' : number[at - digitsFrom];
    }

    std::string header_;
};

TEST(DbfTable, ReachesRowsPastFourGigabytes) {
    const DbfTable table(std::make_unique<HugeTableSource>());
    EXPECT_EQ(table.RowCount(), HugeTableSource::kRecords);
    EXPECT_FALSE(table.Truncated());
    std::vector<char> buffer;
    for (const uint64_t row : {uint64_t{0}, uint64_t{4'294'967}, uint64_t{4'294'968}, uint64_t{4'999'999}}) {
        const DbfRows rows = table.ReadRows(row, 2, buffer);
        ASSERT_EQ(rows.Count(), row == 4'999'999 ? 1u : 2u) << row;
        EXPECT_EQ(rows[0].Value(0).Text(), std::to_string(row));
        if (rows.Count() == 2) {
            EXPECT_EQ(rows[1].Value(0).Text(), std::to_string(row + 1));
        }
    }
}

}  // namespace
}  // namespace dd
