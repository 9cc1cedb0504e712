#include "dbf/DbfValue.h"

#include <cstring>

namespace dd {
namespace {

bool IsPadding(char c) noexcept { return c == ' ' || c == '\0'; }
bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

std::string_view TrimBothEnds(std::string_view bytes) noexcept {
    bytes = TrimDbfPadding(bytes);
    size_t start = 0;
    while (start < bytes.size() && IsPadding(bytes[start])) ++start;
    return bytes.substr(start);
}

// [+-]digits[.digits], with at least one digit on either side of the point.
bool IsDecimalNumber(std::string_view text) noexcept {
    size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    size_t digits = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        if (IsDigit(text[at])) {
            ++digits;
        } else if (text[at] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

int TwoDigits(const char* at) noexcept { return (at[0] - '0') * 10 + (at[1] - '0'); }

bool IsCalendarDate(std::string_view text) noexcept {
    if (text.size() != 8) return false;
    for (char c : text) {
        if (!IsDigit(c)) return false;
    }
    const int year = TwoDigits(&text[0]) * 100 + TwoDigits(&text[2]);
    const int month = TwoDigits(&text[4]);
    const int day = TwoDigits(&text[6]);
    if (month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day > kDays[month - 1]) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day < 29 || leap;
}

DbfValue DecodeNumber(std::string_view bytes) noexcept {
    const std::string_view text = TrimBothEnds(bytes);
    if (text.empty()) return DbfValue::Null();
    return IsDecimalNumber(text) ? DbfValue::Number(text) : DbfValue::Text(text);
}

DbfValue DecodeDate(std::string_view bytes) noexcept {
    const std::string_view text = TrimDbfPadding(bytes);
    if (IsCalendarDate(text)) return DbfValue::Date(text.data());
    if (TrimBothEnds(text).empty()) return DbfValue::Null();
    return DbfValue::Text(text);
}

DbfValue DecodeLogical(std::string_view bytes) noexcept {
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

}  // namespace

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

std::string_view TrimDbfPadding(std::string_view bytes) noexcept {
    const char* data = bytes.data();
    size_t size = bytes.size();
    // Long text fields are mostly padding: eight blanks (or eight NULs) at a time, then byte by byte.
    static constexpr uint64_t kBlanks = 0x2020202020202020ull;
    while (size >= 8) {
        uint64_t word;
        std::memcpy(&word, data + size - 8, 8);
        if (word != kBlanks && word != 0) break;
        size -= 8;
    }
    while (size > 0 && IsPadding(data[size - 1])) --size;
    return {data, size};
}

DbfValue DecodeDbfValue(char type, std::string_view bytes) noexcept {
    switch (type) {
        case 'C':
            return DbfValue::Text(TrimDbfPadding(bytes));
        case 'N':
            return DecodeNumber(bytes);
        case 'D':
            return DecodeDate(bytes);
        case 'L':
            return DecodeLogical(bytes);
        default:
            return DbfValue::Text(bytes);
    }
}

}  // namespace dd
