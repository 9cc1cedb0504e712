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

// The line of one segment (the bytes before its line feed) as loading stores it: without the carriage
// returns at its end, empty when it begins with Ctrl-Z, trimmed unless it is kept as read (the two
// lines after a marker that opened a block). An irregular segment is mended first (see MendedSegment).
std::string_view SegmentLine(std::string_view segment, bool keptAsRead);
// An irregular segment as it reads: carriage returns dropped, the text cut at a Ctrl-Z. The result
// points into `scratch`.
std::string_view MendedSegment(std::string_view segment, std::string& scratch);

// Which marker lines open a table block and which Ctrl-Z ends the input. Both count only where the
// end-of-input test stands, that is not within the two lines read right after a marker that opened a
// block. Lines are given in file order; a line's Ctrl-Z before its marker.
class BlockOpenings {
public:
    // A line that begins with Ctrl-Z: whether the input ends there.
    bool EndsInput(size_t line) const noexcept { return Stands(line); }
    // A line that holds the marker: whether it opens a block (which is then noted).
    bool Opens(size_t line) noexcept {
        if (!Stands(line)) return false;
        afterMarkerUntil_ = static_cast<long long>(line) + 2;
        return true;
    }
    // The last line read right after the last marker that opened a block; -1 before any.
    long long AfterMarkerUntil() const noexcept { return afterMarkerUntil_; }

private:
    bool Stands(size_t line) const noexcept { return static_cast<long long>(line) > afterMarkerUntil_; }
    long long afterMarkerUntil_ = -1;
};

// Rewrites, in place and from the segment that holds `from` on, every segment that holds an
// irregular byte so that it reads as its line: carriage returns dropped, the text cut at a Ctrl-Z,
// the bytes freed at its end filled with carriage returns (which line reading strips). Segments that
// begin with Ctrl-Z and regular segments are not written to.
void MendIrregularSegments(char* data, size_t size, size_t from);

}  // namespace dd
