#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "FileBytes.h"

namespace dd {

// The lines of a dictionary file as loading stores them: every line trimmed, except the two lines
// that follow each marker that opened a table block, which stay as read; after the last line, the
// empty lines that the reads after a marker at the end of the input yield.
//
// The file stays one block of bytes; lines are views into it. Only the start of every 64th line is
// indexed and trimming happens when a line is asked for, so a file costs little beyond its own size.
class DictionaryLines {
public:
    // Where the last read ended, so that reading on line by line costs one line each.
    struct Cursor {
        int32_t line = -1;
        size_t offset = 0;
    };

    // Applies the line rules to the file's bytes (mending the few irregular lines in place) and indexes them.
    static std::shared_ptr<const DictionaryLines> Read(FileBytes bytes);

    int32_t LineCount() const noexcept { return lineCount_; }
    // The line at the index; empty for an index outside 0 .. LineCount() - 1.
    std::string_view LineAt(int32_t index, Cursor& cursor) const;
    // The lines of the markers that opened a table block, in file order; each table line is two below.
    const std::vector<int32_t>& BlockMarkers() const noexcept { return blockMarkers_; }

private:
    explicit DictionaryLines(FileBytes bytes) : bytes_(std::move(bytes)) {}
    bool KeptAsRead(int32_t index) const;

    FileBytes bytes_;
    int32_t fileLines_ = 0;  // lines that stand in the file, up to the end of the input
    int32_t lineCount_ = 0;  // and the empty lines read past its end
    std::vector<size_t> lineStarts_;
    std::vector<int32_t> blockMarkers_;
};

}  // namespace dd
