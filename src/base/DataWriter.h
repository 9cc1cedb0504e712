#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/BaseTable.h"
#include "dbf/DbfRows.h"

namespace dd {

// Where written text goes, a piece at a time: standard output, a string, a file.
class TextSink {
public:
    virtual void Write(std::string_view text) = 0;

protected:
    ~TextSink() = default;
};

// How a base's table is written out (ddview data, the viewer's "save as CSV").
enum class DataFormat {
    kTabs,  // a header line of names, then a line a row, fields joined by TAB, control characters as U+FFFD
    kCsv,   // RFC 4180: the same lines, fields quoted where they hold a comma, a quote or a line break; CR LF
    kJson,  // JSON Lines: an object a row, its keys the names in column order; no header
};

// The JSON form of a number's digits as written ("+7", ".5", "5.", "007" are written so): the same value,
// exactly, as JSON takes it ("7", "0.5", "5", "7"). The digits must be a number (DbfValueKind::Number).
std::string JsonNumber(std::string_view digits);

// Writes a table's rows in one of the formats, under the given names (Windows-1251), to the output. With
// `deletedColumn` each row is marked: a first column "deleted" holding "*" or nothing, or "_deleted" true
// or false in JSON.
class DataWriter {
public:
    DataWriter(DataFormat format, std::vector<std::string> names, bool deletedColumn, TextSink& out);

    // The header line (nothing in JSON).
    void Header();
    // One row, its values in the columns' order.
    void Row(const DbfRow& row, const std::vector<BaseColumn>& columns);

private:
    void Separate(size_t field);
    void Text(std::string_view text);
    void Value(const DbfValue& value);

    DataFormat format_;
    std::vector<std::string> names_;
    std::vector<std::string> jsonKeys_;  // "name": in UTF-8, one per column
    bool deletedColumn_;
    TextSink& out_;
    std::string line_;  // the row being written
};

}  // namespace dd
