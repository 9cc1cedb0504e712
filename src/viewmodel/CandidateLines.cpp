#include "viewmodel/CandidateLines.h"

#include <algorithm>

#include "dictionary/SplitRecordLine.h"

namespace dd {
namespace {

// The mark of a field line, which the table view takes out of every part of it.
constexpr std::string_view kFieldMark = "F=";
// The table view reads the table line and at most the 1001 lines below it.
constexpr int64_t kTableViewLastOffset = 1001;
constexpr size_t kWordBits = 64;
constexpr size_t kBlockLines = 4096;

}  // namespace

CandidateLines::CandidateLines(const LineBuffer& lines, const SearchPattern& pattern)
    : lines_(lines),
      pattern_(pattern),
      candidates_((static_cast<size_t>(lines.LineCount()) + kWordBits - 1) / kWordBits),
      checked_((static_cast<size_t>(lines.LineCount()) + kBlockLines - 1) / kBlockLines) {}

bool CandidateLines::LineMayHold(std::string_view line) {
    if (pattern_.FoundIn(line)) return true;
    if (line.find('\0') != std::string_view::npos) return true;
    // A mark at the line's start joins nothing, and the "=" it leaves behind ends no word.
    if (line.find(kFieldMark, 1) == std::string_view::npos) return false;
    ReplaceBeforeZero(line, kFieldMark, "", withoutFieldMarks_);
    return pattern_.FoundIn(withoutFieldMarks_);
}

void CandidateLines::CheckBlock(size_t block) {
    checked_[block] = true;
    const size_t first = block * kBlockLines;
    const size_t end = std::min(first + kBlockLines, static_cast<size_t>(lines_.LineCount()));
    for (size_t index = first; index < end; ++index) {
        const std::string_view line = lines_.LineAt(static_cast<int32_t>(index));
        if (line.find(kFieldMark) != std::string_view::npos && LineMayHold(line)) {
            candidates_[index / kWordBits] |= uint64_t{1} << (index % kWordBits);
        }
    }
}

bool CandidateLines::AnyFieldLineBetween(int64_t first, int64_t last) {
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, static_cast<int64_t>(lines_.LineCount()) - 1);
    if (first > last) return false;
    const auto from = static_cast<size_t>(first);
    const auto to = static_cast<size_t>(last);
    for (size_t block = from / kBlockLines; block <= to / kBlockLines; ++block) {
        if (!checked_[block]) CheckBlock(block);
    }
    for (size_t word = from / kWordBits; word <= to / kWordBits; ++word) {
        uint64_t bits = candidates_[word];
        if (word == from / kWordBits) bits &= ~uint64_t{0} << (from % kWordBits);
        if (word == to / kWordBits && to % kWordBits != kWordBits - 1) {
            bits &= (uint64_t{1} << (to % kWordBits + 1)) - 1;
        }
        if (bits != 0) return true;
    }
    return false;
}

bool CandidateLines::TableMayHold(int32_t tableLine) {
    return LineMayHold(lines_.LineAt(tableLine)) ||
           AnyFieldLineBetween(int64_t{tableLine} + 1, int64_t{tableLine} + kTableViewLastOffset);
}

}  // namespace dd
