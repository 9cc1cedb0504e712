#include "dbf/DbfValue.h"

#include <cstring>

namespace dd {
namespace {

std::string_view TrimBothEnds(std::string_view bytes) noexcept { return TrimLeadingDbfPadding(TrimDbfPadding(bytes)); }

int TwoDigits(const char* at) noexcept { return (at[0] - '0') * 10 + (at[1] - '0'); }

bool IsCalendarDate(std::string_view text) noexcept {
    if (text.size() != 8 || !AreEightDigits(text.data())) return false;
    const int year = TwoDigits(&text[0]) * 100 + TwoDigits(&text[2]);
    const int month = TwoDigits(&text[4]);
    const int day = TwoDigits(&text[6]);
    if (month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day > kDays[month - 1]) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day < 29 || leap;
}

}  // namespace

DbfValue DecodeDbfDate(std::string_view bytes) noexcept {
    const std::string_view text = TrimDbfPadding(bytes);
    if (IsCalendarDate(text)) return DbfValue::Date(text.data());
    if (TrimBothEnds(text).empty()) return DbfValue::Null();
    return DbfValue::Text(text);
}

DbfValue DecodeDbfLogical(std::string_view bytes) noexcept {
    const std::string_view text = TrimBothEnds(bytes);
    if (text.empty()) return DbfValue::Null();
    if (text.size() == 1) {
        switch (text[0]) {
            case 'T':
            case 't':
            case 'Y':
            case 'y':
                return DbfValue::Logical(true);
            case 'F':
            case 'f':
            case 'N':
            case 'n':
                return DbfValue::Logical(false);
            case '?':
                return DbfValue::Null();
            default:
                break;
        }
    }
    return DbfValue::Text(TrimDbfPadding(bytes));
}

DbfValue DbfValue::Date(const char* yyyymmdd) noexcept {
    DbfValue value(DbfValueKind::Date, {});
    std::memcpy(value.date_, yyyymmdd, 4);
    value.date_[4] = '-';
    std::memcpy(value.date_ + 5, yyyymmdd + 4, 2);
    value.date_[7] = '-';
    std::memcpy(value.date_ + 8, yyyymmdd + 6, 2);
    return value;
}

DbfValue DbfValue::Logical(bool value) noexcept {
    return DbfValue(DbfValueKind::Logical, value ? std::string_view("true") : std::string_view("false"));
}

}  // namespace dd
