#pragma once

#include <string>
#include <string_view>

namespace dd {

// The field separator of every record line of a dictionary.
inline constexpr std::string_view kFieldSeparator = "|";

// Turns a separated record line into a text with one field per line (CR LF between fields):
// the line is trimmed, every separator before the first zero byte becomes CR LF, and the result is
// trimmed again, so blank fields at both ends vanish while empty inner fields stay.
std::string SplitRecordLine(std::string_view line, std::string_view separator);
// The same into `out`, whose storage is reused.
void SplitRecordLine(std::string_view line, std::string_view separator, std::string& out);

// Replaces, left to right and without overlap, every occurrence of `what` before the first zero byte.
std::string ReplaceBeforeZero(std::string_view text, std::string_view what, std::string_view with);
void ReplaceBeforeZero(std::string_view text, std::string_view what, std::string_view with, std::string& out);

// Field `index` of the line split as above and cut into lines, without a line buffer: the same text
// that LineAt(index) of a buffer filled by SetFromText(SplitRecordLine(line, "|")) gives.
// `scratch` holds the split text; the result points into it.
std::string_view RecordField(std::string_view line, int index, std::string& scratch);

// TrimBlanks of RecordField(line, index): the trimmed field, as a view into the line where the line
// holds no zero byte, CR or LF (dictionary lines never do), otherwise into `scratch`.
std::string_view TrimmedRecordField(std::string_view line, int index, std::string& scratch);

}  // namespace dd
