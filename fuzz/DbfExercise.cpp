#include "fuzz/DbfExercise.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "dbf/DbfRowStream.h"
#include "dbf/DbfTable.h"
#include "dictionary/Error.h"

namespace dd::fuzz {
namespace {

[[noreturn]] void Fail(const std::string& what) { throw DbfExerciseFailure(what); }

void Check(bool holds, std::string_view what) {
    if (!holds) Fail(std::string(what));
}

std::string RowLabel(uint64_t row, size_t column) {
    return "row " + std::to_string(row) + " column " + std::to_string(column) + ": ";
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsPadding(char c) { return c == ' ' || c == '\0'; }

// The 'C' rule written the plain way, byte by byte, to check the reader's word-at-a-time trimming.
std::string_view PlainTrailingTrim(std::string_view bytes) {
    while (!bytes.empty() && IsPadding(bytes.back())) bytes.remove_suffix(1);
    return bytes;
}

bool IsBlank(std::string_view bytes) { return std::all_of(bytes.begin(), bytes.end(), IsPadding); }

std::string_view PlainTrim(std::string_view bytes) {
    bytes = PlainTrailingTrim(bytes);
    while (!bytes.empty() && IsPadding(bytes.front())) bytes.remove_prefix(1);
    return bytes;
}

// The 'N' rule written the plain way, to check the reader's word-at-a-time reading of numbers.
DbfValue PlainNumber(std::string_view bytes) {
    const std::string_view text = PlainTrim(bytes);
    if (text.empty()) return DbfValue::Null();
    size_t at = text[0] == '-' || text[0] == '+' ? 1 : 0;
    size_t digits = 0;
    size_t points = 0;
    for (; at < text.size(); ++at) {
        if (IsDigit(text[at])) {
            ++digits;
        } else if (text[at] == '.') {
            ++points;
        } else {
            return DbfValue::Text(text);
        }
    }
    return digits > 0 && points <= 1 ? DbfValue::Number(text) : DbfValue::Text(text);
}

// What every value must be, given its column's type and the field's bytes.
void CheckValue(const DbfColumn& column, std::string_view bytes, const DbfValue& value, const std::string& label) {
    const std::string_view text = value.Text();
    if (column.type == 'N') Check(value == PlainNumber(bytes), label + "a number read otherwise than the plain way");
    switch (value.Kind()) {
        case DbfValueKind::Null:
            Check(column.type == 'N' || column.type == 'D' || column.type == 'L', label + "a null of a text column");
            Check(text.empty(), label + "a null with a text");
            Check(
                IsBlank(bytes) || (column.type == 'L' && PlainTrailingTrim(bytes).find('?') != std::string_view::npos),
                label + "a null from a field that is not blank");
            break;
        case DbfValueKind::Text:
            if (column.type == 'C' || column.type == 'D' || column.type == 'L') {
                Check(text == PlainTrailingTrim(bytes), label + "a text that is not the field without its padding");
            } else if (column.type == 'N') {
                Check(!text.empty() && !IsPadding(text.front()) && !IsPadding(text.back()),
                      label + "a number's text with padding");
            } else {
                Check(text == bytes, label + "a field of another type that is not its bytes as stored");
            }
            break;
        case DbfValueKind::Number: {
            Check(column.type == 'N', label + "a number from a column that is not N");
            Check(bytes.find(text) != std::string_view::npos, label + "a number that is not written in the field");
            const size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
            Check(std::any_of(text.begin(), text.end(), IsDigit), label + "a number without a digit");
            Check(std::all_of(text.begin() + static_cast<ptrdiff_t>(start), text.end(),
                              [](char c) { return IsDigit(c) || c == '.'; }),
                  label + "a number with a character that is no digit");
            Check(std::count(text.begin(), text.end(), '.') <= 1, label + "a number with two points");
            break;
        }
        case DbfValueKind::Date:
            Check(column.type == 'D', label + "a date from a column that is not D");
            Check(text.size() == 10 && text[4] == '-' && text[7] == '-', label + "a date not written YYYY-MM-DD");
            Check(PlainTrailingTrim(bytes) ==
                      std::string(text.substr(0, 4)) + std::string(text.substr(5, 2)) + std::string(text.substr(8, 2)),
                  label + "a date that is not the field's digits");
            break;
        case DbfValueKind::Logical:
            Check(column.type == 'L', label + "a logical from a column that is not L");
            Check(text == "true" || text == "false", label + "a logical that is neither true nor false");
            break;
    }
}

void CheckColumns(const DbfTable& table) {
    uint64_t next = 1;
    for (const DbfColumn& column : table.Columns()) {
        Check(column.offset == next, "a column does not start where the one before ends");
        Check(column.name.size() <= 11 && column.name.find('\0') == std::string::npos, "a column name with a NUL");
        next += column.length;
    }
    Check(next == table.RecordLength(), "the columns do not fill the record");
}

void CompareRows(const DbfRow& byRun, const DbfRow& byStream, const DbfTable& table, uint64_t row) {
    Check(byRun.Record() == byStream.Record(), "row " + std::to_string(row) + " differs between a run and the stream");
    Check(byRun.Record().size() == table.RecordLength(), "row " + std::to_string(row) + " is not one record long");
    Check(byRun.Deleted() == (byRun.Record()[0] == '*'), "row " + std::to_string(row) + " has the wrong deleted flag");
    for (size_t column = 0; column < table.Columns().size(); ++column) {
        const DbfValue value = byRun.Value(column);
        Check(value == byStream.Value(column),
              RowLabel(row, column) + "the value differs between a run and the stream");
        CheckValue(table.Columns()[column], byRun.Bytes(column), value, RowLabel(row, column));
    }
}

}  // namespace

std::string ExerciseDbfTable(std::string_view bytes, size_t streamBuffer) {
    std::unique_ptr<DbfTable> opened;
    try {
        opened = std::make_unique<DbfTable>(std::make_unique<MemoryRandomAccessSource>(bytes));
    } catch (const Error& error) {
        Check(!error.Message().empty(), "an error without a message");
        return error.Message();
    }
    const DbfTable& table = *opened;
    CheckColumns(table);
    const DbfHeader& header = table.Header();
    const uint64_t wholeRecords = (bytes.size() - header.headerLength) / header.recordLength;
    Check(table.RowCount() == std::min<uint64_t>(header.recordCount, wholeRecords),
          "the rows are not the fewer of the header's count and the whole records held");
    Check(table.Truncated() == (wholeRecords < header.recordCount), "truncated is not said exactly when it is so");

    // Runs of a few rows by random access, side by side with the stream through its small buffer.
    std::vector<char> runBuffer;
    const size_t runLength = 1 + bytes.size() % 5;
    DbfRowStream stream(table, streamBuffer);
    uint64_t row = 0;
    while (row < table.RowCount()) {
        const DbfRows run = table.ReadRows(row, runLength, runBuffer);
        Check(run.First() == row, "a run does not start at the row asked for");
        Check(run.Count() == std::min<uint64_t>(runLength, table.RowCount() - row), "a run is short");
        for (size_t i = 0; i < run.Count(); ++i, ++row) {
            const std::optional<DbfRow> streamed = stream.Next();
            Check(streamed.has_value(), "the stream ends before row " + std::to_string(row));
            CompareRows(run[i], *streamed, table, row);
        }
    }
    Check(!stream.Next().has_value(), "the stream gives more rows than the table counts");
    Check(stream.RowsRead() == table.RowCount(), "the stream counts other rows than it gave");
    Check(stream.Truncated() == table.Truncated(),
          "the stream says truncated where the table does not, or the reverse");
    Check(table.ReadRows(table.RowCount(), 3, runBuffer).Empty(), "a run past the last row is not empty");
    if (table.RowCount() > 0) {
        Check(table.ReadRows(table.RowCount() - 1, 3, runBuffer).Count() == 1, "a run over the end is not cut there");
    }
    return {};
}

}  // namespace dd::fuzz
