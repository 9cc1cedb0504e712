#include "viewmodel/TableTooltip.h"

#include <algorithm>

#include "dictionary/SplitRecordLine.h"
#include "dictionary/TableMarker.h"

namespace dd {
namespace {

constexpr int kSqlIdentifierField = 2;
constexpr int kDbfIdentifierField = 3;
// The marker line, then the comment with the column names, then the table line.
constexpr int32_t kMarkerLinesAbove = 2;

void AppendShown(std::string& text, std::string_view part) {
    const size_t start = text.size();
    text.append(part);
    std::replace_if(
        text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
}

}  // namespace

std::string TableIdentifier(const DictionaryView& view, int32_t entry) {
    const std::string_view tableLine = view.Lines().LineAt(view.List().EntryTableLine(entry));
    std::string scratch;
    return std::string(
        RecordField(tableLine, view.IsSqlEdition() ? kSqlIdentifierField : kDbfIdentifierField, scratch));
}

std::string_view TableWholeName(const DictionaryView& view, int32_t entry) {
    const std::string_view description = view.List().EntryTextView(entry);
    const int32_t markerLine = view.List().EntryTableLine(entry) - kMarkerLinesAbove;
    if (markerLine < 0) return description;
    const std::string_view name = TableNameOfMarkerLine(view.Lines().LineAt(markerLine));
    return name.empty() ? description : name;
}

std::string TableTooltipText(const DictionaryView& view, int32_t entry) {
    const std::string identifier = TableIdentifier(view, entry);
    std::string text;
    AppendShown(text, TableWholeName(view, entry));
    if (!text.empty() && !identifier.empty()) text += "\r\n";
    AppendShown(text, identifier);
    return text;
}

}  // namespace dd
