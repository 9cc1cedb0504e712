#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "dictionary/FileBytes.h"
#include "dictionary/LineScan.h"

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
    // The same for the bytes that `read` reads, scanning each stretch of them as soon as it has been read.
    static std::shared_ptr<const DictionaryLines> Read(const FileReader& read);

    int32_t LineCount() const noexcept { return lineCount_; }
    // The line at the index; empty for an index outside 0 .. LineCount() - 1.
    std::string_view LineAt(int32_t index, Cursor& cursor) const;
    // The lines of the markers that opened a table block, in file order; each table line is two below.
    const std::vector<int32_t>& BlockMarkers() const noexcept { return blockMarkers_; }
    // The table line of block `block` (two lines below its marker), read from where the marker line starts.
    std::string_view TableLineOfBlock(size_t block) const;

private:
    explicit DictionaryLines(FileBytes bytes) : bytes_(std::move(bytes)) {}
    static std::shared_ptr<const DictionaryLines> Index(FileBytes bytes, LineScanner& scanner);
    // Reads on from the start of line `line` at `offset` to line `index` and returns its text.
    std::string_view ReadOn(int32_t line, size_t offset, int32_t index, bool keptAsRead, Cursor& cursor) const;

    FileBytes bytes_;
    int32_t fileLines_ = 0;  // lines that stand in the file, up to the end of the input
    int32_t lineCount_ = 0;  // and the empty lines read past its end
    std::vector<size_t> lineStarts_;
    std::vector<int32_t> blockMarkers_;
    std::vector<size_t> blockMarkerStarts_;  // where each marker line starts: reading a block starts there
};

}  // namespace dd
