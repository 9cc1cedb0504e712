#include "SplitRecordLine.h"

#include "TextLines.h"
#include "TrimBlanks.h"

namespace dd {

std::string ReplaceBeforeZero(std::string_view text, std::string_view what, std::string_view with) {
    const size_t zero = text.find('\0');
    const std::string_view scanned = text.substr(0, zero);
    std::string result;
    result.reserve(text.size() + 8);
    size_t pos = 0;
    if (!what.empty()) {
        for (size_t hit = scanned.find(what); hit != std::string_view::npos; hit = scanned.find(what, pos)) {
            result.append(scanned.substr(pos, hit - pos));
            result.append(with);
            pos = hit + what.size();
        }
    }
    result.append(text.substr(pos));
    return result;
}

std::string SplitRecordLine(std::string_view line, std::string_view separator) {
    const std::string replaced = ReplaceBeforeZero(TrimBlanks(line), separator, "\r\n");
    return std::string(TrimBlanks(replaced));
}

std::string_view RecordField(std::string_view line, int index, std::string& scratch) {
    scratch = SplitRecordLine(line, kFieldSeparator);
    TextLines lines(scratch);
    std::string_view field;
    for (int i = 0; lines.Next(field); ++i) {
        if (i == index) return field;
    }
    return {};
}

}  // namespace dd
