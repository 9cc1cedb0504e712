#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
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
    // With IrregularBytes::kReport: the segments that hold an irregular byte, in order, and their start offsets.
    std::vector<size_t> irregularLines;
    std::vector<size_t> irregularLineStarts;
    // First byte that needs mending before the segments can be read as lines: a carriage return
    // followed by a byte other than CR or LF, or a Ctrl-Z inside a segment. kNoOffset when none.
    size_t firstIrregular = kNoOffset;
};

// What a scan does at an irregular byte: goes on as if it were a plain one, stops there (the whole-file
// reader then mends the file in place), or notes the segment and goes on (the stream reader mends it).
enum class IrregularBytes { kIgnore, kStop, kReport };

// Scans a file's bytes front to back, while they are still arriving if need be: each stretch is then
// scanned right after it was read, while it is still in the processor's cache. With `findIrregular`
// the scan stops at the first irregular byte. Vector instructions do the work where the processor has them.
class LineScanner {
public:
    // Without a kernel the scan goes byte by byte.
    explicit LineScanner(bool findIrregular, MaskKernel kernel = BestMaskKernel())
        : LineScanner(findIrregular ? IrregularBytes::kStop : IrregularBytes::kIgnore, true, kernel) {}
    // Without `indexLines` no line starts are kept: a stream reader holds no index of the file.
    LineScanner(IrregularBytes irregular, bool indexLines, MaskKernel kernel = BestMaskKernel());

    // Scans what it can of the bytes read so far (every call sees the same start and at least as many bytes).
    void Feed(std::string_view bytesSoFar) { Feed(bytesSoFar, 0); }
    // The same for a window of the file: its bytes from offset `windowStart` on, which must reach back
    // at least to CurrentLineStart() and on to every byte read so far.
    void Feed(std::string_view window, size_t windowStart);
    // Scans the rest of the whole file's bytes and hands the result over.
    LineScan Finish(std::string_view bytes) {
        FinishWindow(bytes, 0);
        return std::move(scan_);
    }
    // Scans the rest of a window that reaches the end of the file; what was found stays in Found().
    void FinishWindow(std::string_view window, size_t windowStart);
    bool Stopped() const noexcept { return scan_.firstIrregular != kNoOffset; }

    // What was found so far; a stream reader takes out what it has handled.
    LineScan& Found() noexcept { return scan_; }
    // Lines whose line feed has been scanned, and the offset where the line after them starts.
    size_t CompleteLines() const noexcept { return state_.lineFeeds; }
    size_t CurrentLineStart() const noexcept { return state_.segmentStart; }

    struct State {
        size_t lineFeeds = 0;
        size_t segmentStart = 0;
        bool atSegmentStart = true;
    };

private:
    IrregularBytes irregular_;
    bool indexLines_;
    MaskKernel kernel_;
    LineScan scan_;
    State state_;
    size_t scanned_ = 0;
};

LineScan ScanLines(std::string_view bytes, bool findIrregular);
// The byte-by-byte scan, the reference for the vector one.
LineScan ScanLinesScalar(std::string_view bytes, bool findIrregular);

}  // namespace dd
