#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What one line of a dictionary is, beyond the line feeds that the scanner finds: the carriage returns
// and the Ctrl-Z that loading mends, and where the end-of-input test stands.
namespace dd {

// The byte that ends a line's text, and the input when a line begins with it.
inline constexpr char kCtrlZ = 26;

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
