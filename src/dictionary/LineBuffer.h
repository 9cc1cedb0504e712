#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/DictionaryLines.h"

namespace dd {

// An ordered list of text lines, indexed from 0. Lines are stored unchanged and may hold any byte.
// A buffer may begin with the lines of a whole dictionary file, taken over at once (AdoptLines) and
// kept as views into the file's bytes; lines appended later are stored by the buffer itself.
//
// Not for use from several threads: reading remembers where the last line ended.
class LineBuffer {
public:
    void AppendLine(std::string_view text);
    // The line at the index; the empty text for a negative index or one not below LineCount().
    // The view stays valid until the buffer is next changed.
    std::string_view LineAt(int32_t index) const;
    // Replaces an existing line; an index outside the buffer changes nothing.
    void ReplaceLine(int32_t index, std::string_view text);
    int32_t LineCount() const noexcept;
    void ClearLines();
    // Replaces the content by the lines of the text (see TextLines for where lines end).
    void SetFromText(std::string_view text);
    // The number (from 1) of the first line that contains the pattern with letters folded, 0 when none.
    int32_t FindFirstLine(std::string_view pattern) const;

    // Replaces the content by the lines of a dictionary file.
    void AdoptLines(std::shared_ptr<const DictionaryLines> lines);

private:
    std::string_view Store(std::string_view text);
    int32_t AdoptedCount() const noexcept { return adopted_ ? adopted_->LineCount() : 0; }

    std::shared_ptr<const DictionaryLines> adopted_;
    std::map<int32_t, std::string_view> replacedAdopted_;
    std::vector<std::string_view> own_;  // the lines after the adopted ones
    std::deque<std::string> storage_;    // texts of the buffer's own lines; a deque never moves them
    mutable DictionaryLines::Cursor cursor_;
};

}  // namespace dd
