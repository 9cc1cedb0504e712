#pragma once

#include <cstdint>
#include <string_view>

#include "dbf/FieldScan.h"

namespace dd {

enum class DbfValueKind : uint8_t {
    Null,  // a blank number, date or logical
    Text,  // a 'C' field, any other type's bytes, or a date, number or logical that is none
    // The digits of an 'N' field as written: exact, never through a binary float. As written, a number may start
    // with a plus or a point (".5") or end with a point ("5."), which JSON, for one, does not take as they are.
    Number,
    Date,     // a valid 'D' field, written YYYY-MM-DD
    Logical,  // an 'L' field's true or false
};

// One field's value: small, copied freely, allocating nothing. Its text is a view into the record it was decoded
// from (valid while the record's bytes are) or, for a date, into the value itself.
class DbfValue {
public:
    static DbfValue Null() noexcept { return DbfValue(DbfValueKind::Null, {}); }
    static DbfValue Text(std::string_view bytes) noexcept { return DbfValue(DbfValueKind::Text, bytes); }
    static DbfValue Number(std::string_view digits) noexcept { return DbfValue(DbfValueKind::Number, digits); }
    // From the eight digits YYYYMMDD.
    static DbfValue Date(const char* yyyymmdd) noexcept;
    static DbfValue Logical(bool value) noexcept;

    DbfValueKind Kind() const noexcept { return kind_; }
    bool IsNull() const noexcept { return kind_ == DbfValueKind::Null; }
    // Text: its Windows-1251 bytes; Number: its digits ("-12.50"); Date: "YYYY-MM-DD"; Logical: "true" or "false";
    // Null: empty.
    std::string_view Text() const noexcept {
        return kind_ == DbfValueKind::Date ? std::string_view(date_, sizeof date_) : text_;
    }
    // True only for a logical true.
    bool IsTrue() const noexcept { return kind_ == DbfValueKind::Logical && text_ == "true"; }

    friend bool operator==(const DbfValue& a, const DbfValue& b) noexcept {
        return a.kind_ == b.kind_ && a.Text() == b.Text();
    }

private:
    DbfValue(DbfValueKind kind, std::string_view text) noexcept : kind_(kind), text_(text) {}

    DbfValueKind kind_;
    std::string_view text_;
    char date_[10] = {};
};

// The 'D' and 'L' rules of DecodeDbfValue.
DbfValue DecodeDbfDate(std::string_view bytes) noexcept;
DbfValue DecodeDbfLogical(std::string_view bytes) noexcept;

// Decodes a field's bytes by its column's type letter:
//   'C'  the text without its trailing blanks and NULs (leading blanks stay: identifiers are right-aligned);
//   'N'  the number as written, without surrounding blanks; blank is null; anything but [+-]digits[.digits]
//        stays text;
//   'D'  YYYYMMDD with a real month and day becomes YYYY-MM-DD; blank is null; anything else stays text, as 'C';
//   'L'  T t Y y true, F f N n false, blank or ? null; anything else stays text, as 'C';
//   any other type: its bytes exactly as stored.
// The result views `bytes` (a date excepted), so it is valid while they are. Defined here, to be inlined where
// rows are read: an export decodes every field of every row, and the call was a fifth of its time.
inline DbfValue DecodeDbfValue(char type, std::string_view bytes) noexcept {
    switch (type) {
        case 'C':
            return DbfValue::Text(TrimDbfPadding(bytes));
        case 'N': {
            const std::string_view text = TrimLeadingDbfPadding(TrimDbfPadding(bytes));
            if (text.empty()) return DbfValue::Null();
            return IsDbfNumber(text) ? DbfValue::Number(text) : DbfValue::Text(text);
        }
        case 'D':
            return DecodeDbfDate(bytes);
        case 'L':
            return DecodeDbfLogical(bytes);
        default:
            return DbfValue::Text(bytes);
    }
}

}  // namespace dd
