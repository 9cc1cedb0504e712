#include "base/DataWriter.h"

#include <algorithm>

#include "dictionary/Cp1251.h"

namespace dd {
namespace {

constexpr std::string_view kDeletedName = "deleted";
constexpr std::string_view kJsonDeletedKey = "\"_deleted\":";

bool NeedsJsonEscape(unsigned char byte) noexcept { return byte < 0x20 || byte == '"' || byte == '\\'; }

// A text as the inside of a JSON string: UTF-8, a quote, a backslash and control characters escaped.
void AppendJsonText(std::string& out, std::string_view text) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!NeedsJsonEscape(byte)) continue;
        AppendUtf8FromCp1251(out, text.substr(start, i - start));
        static constexpr char kHex[] = "0123456789abcdef";
        switch (byte) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += "\\u00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
        }
        start = i + 1;
    }
    AppendUtf8FromCp1251(out, text.substr(start));
}

// A CSV field: as it is, or in double quotes (a quote doubled) where it holds a comma, a quote or a line break.
void AppendCsvText(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        AppendUtf8FromCp1251(out, text);
        return;
    }
    out += '"';
    for (size_t start = 0;;) {
        const size_t quote = text.find('"', start);
        AppendUtf8FromCp1251(out, text.substr(start, quote - start));
        if (quote == std::string_view::npos) break;
        out += "\"\"";
        start = quote + 1;
    }
    out += '"';
}

}  // namespace

std::string JsonNumber(std::string_view digits) {
    std::string number;
    size_t at = 0;
    if (at < digits.size() && (digits[at] == '+' || digits[at] == '-')) {
        if (digits[at] == '-') number += '-';
        ++at;
    }
    const size_t point = std::min(digits.find('.', at), digits.size());
    std::string_view whole = digits.substr(at, point - at);
    while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
    number += whole.empty() ? "0" : std::string(whole);
    const std::string_view fraction = point < digits.size() ? digits.substr(point + 1) : std::string_view{};
    if (!fraction.empty()) number += "." + std::string(fraction);
    return number;
}

DataWriter::DataWriter(DataFormat format, std::vector<std::string> names, bool deletedColumn, TextSink& out)
    : format_(format), names_(std::move(names)), deletedColumn_(deletedColumn), out_(out) {
    for (const std::string& name : names_) {
        std::string key = "\"";
        AppendJsonText(key, name);
        key += "\":";
        jsonKeys_.push_back(std::move(key));
    }
}

void DataWriter::Separate(size_t field) {
    if (field > 0) line_ += format_ == DataFormat::kCsv ? ',' : '\t';
}

void DataWriter::Text(std::string_view text) {
    if (format_ == DataFormat::kCsv)
        AppendCsvText(line_, text);
    else
        AppendUtf8FromCp1251(line_, text, true);
}

void DataWriter::Header() {
    if (format_ == DataFormat::kJson) return;
    line_.clear();
    size_t field = 0;
    if (deletedColumn_) {
        Text(kDeletedName);
        ++field;
    }
    for (const std::string& name : names_) {
        Separate(field++);
        Text(name);
    }
    line_ += format_ == DataFormat::kCsv ? "\r\n" : "\n";
    out_.Write(line_);
}

void DataWriter::Value(const DbfValue& value) {
    if (format_ != DataFormat::kJson) {
        if (value.Kind() == DbfValueKind::Text)
            Text(value.Text());
        else
            line_ += value.Text();  // digits, a date, true or false: plain ASCII; null: nothing
        return;
    }
    switch (value.Kind()) {
        case DbfValueKind::Null:
            line_ += "null";
            break;
        case DbfValueKind::Number:
            line_ += JsonNumber(value.Text());
            break;
        case DbfValueKind::Logical:
            line_ += value.Text();
            break;
        case DbfValueKind::Text:
        case DbfValueKind::Date:
            line_ += '"';
            AppendJsonText(line_, value.Text());
            line_ += '"';
            break;
    }
}

void DataWriter::Row(const DbfRow& row, const std::vector<BaseColumn>& columns) {
    line_.clear();
    if (format_ == DataFormat::kJson) {
        line_ += '{';
        if (deletedColumn_) {
            line_ += kJsonDeletedKey;
            line_ += row.Deleted() ? "true" : "false";
        }
        for (size_t i = 0; i < columns.size(); ++i) {
            if (i > 0 || deletedColumn_) line_ += ',';
            line_ += jsonKeys_[i];
            Value(row.Value(columns[i].index));
        }
        line_ += "}\n";
    } else {
        size_t field = 0;
        if (deletedColumn_) {
            if (row.Deleted()) line_ += '*';
            ++field;
        }
        for (const BaseColumn& column : columns) {
            Separate(field++);
            Value(row.Value(column.index));
        }
        line_ += format_ == DataFormat::kCsv ? "\r\n" : "\n";
    }
    out_.Write(line_);
}

}  // namespace dd
