#include "dictionary/DictionaryLines.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "dictionary/Error.h"
#include "dictionary/LineRules.h"

namespace dd {

std::shared_ptr<const DictionaryLines> DictionaryLines::Read(FileBytes bytes) {
    LineScanner scanner(true);
    scanner.Feed(bytes.View());
    return Index(std::move(bytes), scanner);
}

std::shared_ptr<const DictionaryLines> DictionaryLines::Read(const FileReader& read) {
    LineScanner scanner(true);
    FileBytes bytes = read([&scanner](std::string_view bytesSoFar) { scanner.Feed(bytesSoFar); });
    return Index(std::move(bytes), scanner);
}

std::shared_ptr<const DictionaryLines> DictionaryLines::Index(FileBytes bytes, LineScanner& scanner) {
    std::shared_ptr<DictionaryLines> lines(new DictionaryLines(std::move(bytes)));
    char* data = lines->bytes_.Data();
    const size_t size = lines->bytes_.Size();

    LineScan scan = scanner.Finish({data, size});
    if (scan.firstIrregular != kNoOffset) {
        MendIrregularSegments(data, size, scan.firstIrregular);
        scan = ScanLines({data, size}, false);
    }
    // Line numbers are 32-bit; three more lines may follow the file's own after a marker at its end.
    if (scan.segmentCount > static_cast<size_t>(std::numeric_limits<int32_t>::max() - 3)) {
        throw IoError(kIoNotEnoughMemory);
    }

    // Read the lines in order as loading does: a marker opens a block only where the end-of-input
    // test stands, that is not within the two lines read right after a marker; a Ctrl-Z at the start
    // of such a line ends the input.
    size_t fileLines = scan.segmentCount;
    BlockOpenings openings;
    lines->blockMarkers_.reserve(scan.markerLines.size());
    lines->blockMarkerStarts_.reserve(scan.markerLines.size());
    auto marker = scan.markerLines.begin();
    auto markerStart = scan.markerLineStarts.begin();
    auto ctrlZ = scan.ctrlZLines.begin();
    while (marker != scan.markerLines.end() || ctrlZ != scan.ctrlZLines.end()) {
        const bool ctrlZFirst =
            marker == scan.markerLines.end() || (ctrlZ != scan.ctrlZLines.end() && *ctrlZ <= *marker);
        if (ctrlZFirst) {
            if (openings.EndsInput(*ctrlZ)) {
                fileLines = *ctrlZ;
                break;
            }
            ++ctrlZ;
            continue;
        }
        if (openings.Opens(*marker)) {
            lines->blockMarkers_.push_back(static_cast<int32_t>(*marker));
            lines->blockMarkerStarts_.push_back(*markerStart);
        }
        ++marker, ++markerStart;
    }
    const long long afterMarkerUntil = openings.AfterMarkerUntil();

    lines->fileLines_ = static_cast<int32_t>(fileLines);
    lines->lineCount_ =
        static_cast<int32_t>(std::max<long long>(static_cast<long long>(fileLines), afterMarkerUntil + 1));
    lines->lineStarts_ = std::move(scan.lineStarts);
    return lines;
}

std::string_view DictionaryLines::LineAt(int32_t index, Cursor& cursor) const {
    if (index < 0 || index >= fileLines_) return {};
    // Read on from the nearest known line start: an indexed line, a block marker, or where the last read ended.
    int32_t line = index - index % static_cast<int32_t>(kLineStep);
    size_t offset = lineStarts_[static_cast<size_t>(index) / kLineStep];
    const auto nextMarker = std::upper_bound(blockMarkers_.begin(), blockMarkers_.end(), index);
    const int32_t marker = nextMarker == blockMarkers_.begin() ? -1 : *(nextMarker - 1);
    if (marker > line) {
        line = marker;
        offset = blockMarkerStarts_[static_cast<size_t>(nextMarker - 1 - blockMarkers_.begin())];
    }
    if (cursor.line >= line && cursor.line <= index) {
        line = cursor.line;
        offset = cursor.offset;
    }
    // The two lines after a marker that opened a block are kept as read; all others are trimmed.
    const bool keptAsRead = marker >= 0 && (index - marker == 1 || index - marker == 2);
    return ReadOn(line, offset, index, keptAsRead, cursor);
}

std::string_view DictionaryLines::TableLineOfBlock(size_t block) const {
    const int32_t index = blockMarkers_[block] + 2;
    if (index >= fileLines_) return {};
    Cursor cursor;
    return ReadOn(blockMarkers_[block], blockMarkerStarts_[block], index, true, cursor);
}

std::string_view DictionaryLines::ReadOn(int32_t line, size_t offset, int32_t index, bool keptAsRead,
                                         Cursor& cursor) const {
    const char* data = bytes_.Data();
    const size_t size = bytes_.Size();
    for (; line < index; ++line) {
        offset =
            static_cast<size_t>(static_cast<const char*>(std::memchr(data + offset, '\n', size - offset)) - data) + 1;
    }
    const void* lineFeed = std::memchr(data + offset, '\n', size - offset);
    const size_t end = lineFeed != nullptr ? static_cast<size_t>(static_cast<const char*>(lineFeed) - data) : size;
    cursor = {index + 1, end + 1};

    return SegmentLine(std::string_view(data + offset, end - offset), keptAsRead);
}

}  // namespace dd
