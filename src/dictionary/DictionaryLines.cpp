#include "DictionaryLines.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "Error.h"
#include "LineScan.h"
#include "TrimBlanks.h"

namespace dd {

std::shared_ptr<const DictionaryLines> DictionaryLines::Read(FileBytes bytes) {
    std::shared_ptr<DictionaryLines> lines(new DictionaryLines(std::move(bytes)));
    char* data = lines->bytes_.Data();
    const size_t size = lines->bytes_.Size();

    LineScan scan = ScanLines({data, size}, true);
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
    long long afterMarkerUntil = -1;
    auto marker = scan.markerLines.begin();
    auto ctrlZ = scan.ctrlZLines.begin();
    while (marker != scan.markerLines.end() || ctrlZ != scan.ctrlZLines.end()) {
        const bool ctrlZFirst = marker == scan.markerLines.end() ||
                                (ctrlZ != scan.ctrlZLines.end() && *ctrlZ <= *marker);
        const size_t line = ctrlZFirst ? *ctrlZ : *marker;
        if (ctrlZFirst) ++ctrlZ; else ++marker;
        if (static_cast<long long>(line) <= afterMarkerUntil) continue;
        if (ctrlZFirst) {
            fileLines = line;
            break;
        }
        lines->blockMarkers_.push_back(static_cast<int32_t>(line));
        afterMarkerUntil = static_cast<long long>(line) + 2;
    }

    lines->fileLines_ = static_cast<int32_t>(fileLines);
    lines->lineCount_ = static_cast<int32_t>(std::max<long long>(static_cast<long long>(fileLines), afterMarkerUntil + 1));
    lines->lineStarts_ = std::move(scan.lineStarts);
    return lines;
}

bool DictionaryLines::KeptAsRead(int32_t index) const {
    auto after = std::upper_bound(blockMarkers_.begin(), blockMarkers_.end(), index - 1);
    if (after == blockMarkers_.begin()) return false;
    const int32_t distance = index - *(after - 1);
    return distance == 1 || distance == 2;
}

std::string_view DictionaryLines::LineAt(int32_t index, Cursor& cursor) const {
    if (index < 0 || index >= fileLines_) return {};
    const char* data = bytes_.Data();
    const size_t size = bytes_.Size();

    const int32_t indexed = index - index % static_cast<int32_t>(kLineStep);
    int32_t line = indexed;
    size_t offset = lineStarts_[static_cast<size_t>(index) / kLineStep];
    if (cursor.line >= indexed && cursor.line <= index) {
        line = cursor.line;
        offset = cursor.offset;
    }
    for (; line < index; ++line) {
        offset = static_cast<const char*>(std::memchr(data + offset, '\n', size - offset)) - data + 1;
    }
    const void* lineFeed = std::memchr(data + offset, '\n', size - offset);
    const size_t end = lineFeed != nullptr ? static_cast<size_t>(static_cast<const char*>(lineFeed) - data) : size;
    cursor = {index + 1, end + 1};

    std::string_view text(data + offset, end - offset);
    while (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (!text.empty() && text.front() == 26) return {};  // a Ctrl-Z at its start leaves the line empty
    return KeptAsRead(index) ? text : TrimBlanks(text);
}

}  // namespace dd
