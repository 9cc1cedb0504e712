#include "fuzz/ReferenceDictionary.h"

#include "dictionary/DictionaryTexts.h"

namespace dd::fuzz {
namespace {

constexpr char kCtrlZ = 26;

std::string Trimmed(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
    return std::string(text.substr(begin, end - begin));
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The file as a text reader sees it, one byte at a time.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ >= bytes_.size() || bytes_[pos_] == kCtrlZ; }

    std::string ReadLine() {
        std::string line;
        bool cut = false;
        while (pos_ < bytes_.size()) {
            const char c = bytes_[pos_++];
            if (c == '\n') break;
            if (c == '\r') {
                if (pos_ < bytes_.size() && bytes_[pos_] == '\n') {
                    ++pos_;
                    break;
                }
                continue;
            }
            if (c == kCtrlZ) cut = true;
            if (!cut) line.push_back(c);
        }
        return line;
    }

private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

// Every occurrence of `what` before the first zero byte replaced, left to right, without overlap.
std::string Replaced(std::string_view text, std::string_view what, std::string_view with) {
    std::string result;
    size_t pos = 0;
    bool zeroSeen = false;
    while (pos < text.size()) {
        if (text[pos] == '\0') zeroSeen = true;
        if (!zeroSeen && text.substr(pos, what.size()) == what) {
            result.append(with);
            pos += what.size();
        } else {
            result.push_back(text[pos++]);
        }
    }
    return result;
}

// A record line split at "|" and cut into lines as a line buffer takes a text in.
std::vector<std::string> Fields(std::string_view line) {
    const std::string split = Trimmed(Replaced(Trimmed(line), "|", "\r\n"));
    std::vector<std::string> fields;
    size_t pos = 0;
    while (pos < split.size() && split[pos] != '\0') {
        std::string field;
        while (pos < split.size() && split[pos] != '\r' && split[pos] != '\n' && split[pos] != '\0') {
            field.push_back(split[pos++]);
        }
        fields.push_back(field);
        if (pos < split.size() && split[pos] == '\r') ++pos;
        if (pos < split.size() && split[pos] == '\n') ++pos;
    }
    return fields;
}

std::string FieldAt(const std::vector<std::string>& fields, size_t index) {
    return index < fields.size() ? fields[index] : std::string();
}

}  // namespace

ReferenceDictionary ReadReferenceDictionary(std::string_view bytes) {
    ReferenceDictionary result;
    ByteReader reader(bytes);
    while (!reader.AtEnd()) {
        result.lines.push_back(Trimmed(reader.ReadLine()));
        if (!Contains(result.lines.back(), "#==TABLE no")) continue;
        result.lines.push_back(reader.ReadLine());
        result.lines.push_back(reader.ReadLine());
        std::vector<std::string> fields = Fields(result.lines.back());
        result.entries.push_back(Trimmed(FieldAt(fields, 1)));
        result.tableLines.push_back(static_cast<int32_t>(result.lines.size() - 1));
    }
    return result;
}

std::vector<ReferenceRow> ReferenceTableView(const ReferenceDictionary& dictionary, int32_t entry, bool isSql) {
    const auto& lines = dictionary.lines;
    auto lineAt = [&](size_t index) { return index < lines.size() ? std::string_view(lines[index]) : ""; };
    const size_t tableLine = static_cast<size_t>(dictionary.tableLines[static_cast<size_t>(entry)]);

    std::vector<ReferenceRow> rows;
    rows.push_back({});
    for (size_t column = 0; column < 5; ++column) rows[0][column] = texts::kGridCaptions[column];
    rows.push_back({FieldAt(Fields(lineAt(tableLine)), isSql ? 2 : 3),
                    std::string(isSql ? texts::kSqlTableIdentifier : texts::kDbfTableIdentifier)});
    for (size_t index = tableLine + 3; index <= tableLine + 1001; ++index) {
        const std::string_view line = lineAt(index);
        if (Contains(line, "#----Indexes------") || Trimmed(line) == "#") break;
        if (!Contains(line, "F=")) continue;
        const std::vector<std::string> fields = Fields(line);
        ReferenceRow row;
        for (size_t j = 0; j < fields.size() && j < 5; ++j) row[j] = Replaced(Trimmed(fields[j]), "F=", "");
        rows.push_back(row);
    }
    return rows;
}

std::vector<ReferenceIndex> ReferenceTableIndexes(const ReferenceDictionary& dictionary, int32_t entry) {
    const auto& lines = dictionary.lines;
    const size_t tableLine = static_cast<size_t>(dictionary.tableLines[static_cast<size_t>(entry)]);
    size_t indexesLine = 0;
    for (size_t index = tableLine + 3; index <= tableLine + 1001 && index < lines.size(); ++index) {
        if (Contains(lines[index], "#----Indexes------")) {
            indexesLine = index;
            break;
        }
        if (Trimmed(lines[index]) == "#") break;
    }
    std::vector<ReferenceIndex> indexes;
    if (indexesLine == 0) return indexes;
    for (size_t index = indexesLine + 1; index < lines.size(); ++index) {
        const std::string text = Trimmed(lines[index]);
        if (text == "#" || Contains(text, "#==TABLE no")) break;
        if (text.rfind("I=", 0) != 0) continue;
        const std::vector<std::string> parts = Fields(text);
        auto part = [&](size_t k) { return Trimmed(FieldAt(parts, k)); };
        ReferenceIndex found;
        found.name = Replaced(part(0), "I=", "");
        found.description = part(1);
        found.unique = part(2) == "1";
        const std::string fields = part(3);
        size_t start = 0;
        while (!fields.empty()) {
            const size_t comma = fields.find(',', start);
            found.fields.push_back(Trimmed(fields.substr(start, comma == std::string::npos ? comma : comma - start)));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        found.lastColumn = part(4);
        indexes.push_back(found);
    }
    return indexes;
}

}  // namespace dd::fuzz
