#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary/LineScanKernels.h"

namespace dd {

// The marker that opens a table block of a dictionary.
inline constexpr std::string_view kTableMarker = "#==TABLE no";
// Every how many lines the line index keeps a start offset.
inline constexpr size_t kLineStep = 64;
inline constexpr size_t kNoOffset = static_cast<size_t>(-1);

// What one pass over a file's bytes finds out about its lines. A segment is what lies between
// two line feeds; the last one counts only when it is not empty.
struct LineScan {
    size_t segmentCount = 0;
    std::vector<size_t> lineStarts;        // start offset of the segments 0, 64, 128, ...
    std::vector<size_t> markerLines;       // segments that contain the table marker, in order
    std::vector<size_t> markerLineStarts;  // and the start offset of each
    std::vector<size_t> ctrlZLines;        // segments whose first byte is Ctrl-Z
    // First byte that needs mending before the segments can be read as lines: a carriage return
    // followed by a byte other than CR or LF, or a Ctrl-Z inside a segment. kNoOffset when none.
    size_t firstIrregular = kNoOffset;
};

// Scans a file's bytes front to back, while they are still arriving if need be: each stretch is then
// scanned right after it was read, while it is still in the processor's cache. With `findIrregular`
// the scan stops at the first irregular byte. Vector instructions do the work where the processor has them.
class LineScanner {
public:
    // Without a kernel the scan goes byte by byte.
    explicit LineScanner(bool findIrregular, MaskKernel kernel = BestMaskKernel());

    // Scans what it can of the bytes read so far (every call sees the same start and at least as many bytes).
    void Feed(std::string_view bytesSoFar);
    // Scans the rest of the whole file's bytes and hands the result over.
    LineScan Finish(std::string_view bytes);
    bool Stopped() const noexcept { return scan_.firstIrregular != kNoOffset; }

    struct State {
        size_t lineFeeds = 0;
        size_t segmentStart = 0;
        bool atSegmentStart = true;
    };

private:
    bool findIrregular_;
    MaskKernel kernel_;
    LineScan scan_;
    State state_;
    size_t scanned_ = 0;
};

LineScan ScanLines(std::string_view bytes, bool findIrregular);
// The byte-by-byte scan, the reference for the vector one.
LineScan ScanLinesScalar(std::string_view bytes, bool findIrregular);

// Rewrites, in place and from the segment that holds `from` on, every segment that holds an
// irregular byte so that it reads as its line: carriage returns dropped, the text cut at a Ctrl-Z,
// the bytes freed at its end filled with carriage returns (which line reading strips). Segments that
// begin with Ctrl-Z and regular segments are not written to.
void MendIrregularSegments(char* data, size_t size, size_t from);

}  // namespace dd
