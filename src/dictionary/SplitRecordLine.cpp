#include "dictionary/SplitRecordLine.h"

#include <cstring>

#include "dictionary/TextLines.h"
#include "dictionary/TrimBlanks.h"

namespace dd {

void ReplaceBeforeZero(std::string_view text, std::string_view what, std::string_view with, std::string& result) {
    const size_t zero = text.find('\0');
    const std::string_view scanned = text.substr(0, zero);
    result.clear();
    size_t pos = 0;
    if (!what.empty()) {
        for (size_t hit = scanned.find(what); hit != std::string_view::npos; hit = scanned.find(what, pos)) {
            result.append(scanned.substr(pos, hit - pos));
            result.append(with);
            pos = hit + what.size();
        }
    }
    result.append(text.substr(pos));
}

std::string ReplaceBeforeZero(std::string_view text, std::string_view what, std::string_view with) {
    std::string result;
    ReplaceBeforeZero(text, what, with, result);
    return result;
}

void SplitRecordLine(std::string_view line, std::string_view separator, std::string& out) {
    ReplaceBeforeZero(TrimBlanks(line), separator, "\r\n", out);
    const std::string_view trimmed = TrimBlanks(out);
    out.erase(static_cast<size_t>(trimmed.data() + trimmed.size() - out.data()));
    out.erase(0, static_cast<size_t>(trimmed.data() - out.data()));
}

std::string SplitRecordLine(std::string_view line, std::string_view separator) {
    std::string result;
    SplitRecordLine(line, separator, result);
    return result;
}

std::string_view RecordField(std::string_view line, int index, std::string& scratch) {
    SplitRecordLine(line, kFieldSeparator, scratch);
    TextLines lines(scratch);
    std::string_view field;
    for (int i = 0; lines.Next(field); ++i) {
        if (i == index) return field;
    }
    return {};
}

namespace {

// A zero byte, CR or LF changes how a line splits.
bool HoldsBreak(std::string_view text) {
    const auto holds = [text](char c) { return std::memchr(text.data(), c, text.size()) != nullptr; };
    return !text.empty() && (holds('\0') || holds('\r') || holds('\n'));
}

}  // namespace

std::string_view TrimmedRecordField(std::string_view line, int index, std::string& scratch) {
    // Splitting drops the blank fields before the first field with a visible byte; counted from that
    // field, the one asked for is trimmed anyway, so the blanks that splitting strips do not matter.
    // Only the bytes up to the end of the field asked for decide it: a zero byte, CR or LF among them
    // sends the line the plain way.
    // Most lines hold no such byte at all: one look at the whole line spares a look at every field.
    const bool mayBreak = HoldsBreak(line);
    int first = -1;
    size_t start = 0;
    for (int field = 0;; ++field) {
        const size_t separator = line.find(kFieldSeparator[0], start);
        const std::string_view raw = line.substr(start, separator - start);
        if (mayBreak && HoldsBreak(raw)) return TrimBlanks(RecordField(line, index, scratch));
        const std::string_view text = TrimBlanks(raw);
        if (first < 0 && !text.empty()) first = field;
        if (first >= 0 && field - first == index) return text;
        if (separator == std::string_view::npos) return {};
        start = separator + kFieldSeparator.size();
    }
}

}  // namespace dd
