#include "dictionary/DictionaryStream.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "dictionary/Error.h"
#include "dictionary/LineRules.h"
#include "dictionary/LineScan.h"

namespace dd {
namespace {

// Line numbers are 32-bit, as in the whole-file reader: three more lines may follow a marker at the end.
constexpr size_t kMostLines = static_cast<size_t>(std::numeric_limits<int32_t>::max() - 3);

// Reads the file chunk by chunk. After each chunk the lines it completed are handled in file order:
// the scanner's events (markers, Ctrl-Z at a line start, irregular bytes) decide the blocks, and the
// lines that tables want are read by walking from a known line start. The buffer keeps only the line
// still being read, so every line handled is whole in it.
class StreamReader {
public:
    StreamReader(ByteSource& source, TableStreamSink& sink, size_t bufferSize)
        : source_(source),
          sink_(sink),
          bufferSize_(std::max<size_t>(bufferSize, 1)),
          scanner_(IrregularBytes::kReport, false) {}

    int32_t Run() {
        buffer_.resize(bufferSize_);
        while (!ended_) {
            if (Refill() == 0) {
                scanner_.FinishWindow(Window(), bufferStart_);
                HandleLinesBefore(scanner_.Found().segmentCount);
                break;
            }
            scanner_.Feed(Window(), bufferStart_);
            HandleLinesBefore(scanner_.CompleteLines());
        }
        sink_.EndOfInput(tables_);
        return tables_;
    }

private:
    // A table that takes lines: the next one it wants, and where its marker line starts.
    struct Reading {
        int32_t entry;
        size_t tableLine;
        size_t markerStart;
        size_t next;
    };

    std::string_view Window() const { return {buffer_.data(), filled_}; }

    // Drops what lies before the line being read and reads on after what is left.
    size_t Refill() {
        const size_t keep = scanner_.CurrentLineStart() - bufferStart_;
        if (keep > 0) {
            std::memmove(buffer_.data(), buffer_.data() + keep, filled_ - keep);
            filled_ -= keep;
            bufferStart_ += keep;
        }
        // A line longer than the buffer: the buffer grows to hold it.
        if (buffer_.size() - filled_ < bufferSize_ / 2 + 1) buffer_.resize(filled_ + bufferSize_);
        const size_t got = source_.Read(buffer_.data() + filled_, buffer_.size() - filled_);
        filled_ += got;
        return got;
    }

    // Handles the events of lines below `complete` in order, reading the wanted lines between them.
    void HandleLinesBefore(size_t complete) {
        if (complete > kMostLines) throw IoError(kIoNotEnoughMemory);
        LineScan& found = scanner_.Found();
        size_t marker = 0, ctrlZ = 0, irregular = 0;
        for (;;) {
            if (ended_) break;
            size_t line = complete;
            if (marker < found.markerLines.size()) line = std::min(line, found.markerLines[marker]);
            if (ctrlZ < found.ctrlZLines.size()) line = std::min(line, found.ctrlZLines[ctrlZ]);
            if (irregular < found.irregularLines.size()) line = std::min(line, found.irregularLines[irregular]);
            if (line >= complete) break;
            ReadWantedLinesBefore(line);
            if (ended_) break;

            const bool startsWithCtrlZ = ctrlZ < found.ctrlZLines.size() && found.ctrlZLines[ctrlZ] == line;
            ctrlZ += startsWithCtrlZ ? 1 : 0;
            bool holdsMarker = false;
            size_t start = 0;
            if (marker < found.markerLines.size() && found.markerLines[marker] == line) {
                holdsMarker = true;
                start = found.markerLineStarts[marker++];
            }
            if (irregular < found.irregularLines.size() && found.irregularLines[irregular] == line) {
                // The marker of a mended line: a carriage return may join one, a Ctrl-Z cut one off.
                start = found.irregularLineStarts[irregular++];
                lastIrregularLine_ = line;
                holdsMarker = !startsWithCtrlZ &&
                              MendedSegment(Segment(start), scratch_).find(kTableMarker) != std::string_view::npos;
            }
            if (startsWithCtrlZ && openings_.EndsInput(line)) {
                ended_ = true;
                break;
            }
            if (holdsMarker && openings_.Opens(line)) OpenBlock(line, start);
        }
        if (!ended_) ReadWantedLinesBefore(complete);
        // Every line below `complete` is handled: reading goes on from the start of the line being read.
        walkLine_ = complete;
        walkStart_ = scanner_.CurrentLineStart();
        found.markerLines.erase(found.markerLines.begin(), found.markerLines.begin() + marker);
        found.markerLineStarts.erase(found.markerLineStarts.begin(), found.markerLineStarts.begin() + marker);
        found.ctrlZLines.erase(found.ctrlZLines.begin(), found.ctrlZLines.begin() + ctrlZ);
        found.irregularLines.erase(found.irregularLines.begin(), found.irregularLines.begin() + irregular);
        found.irregularLineStarts.erase(found.irregularLineStarts.begin(),
                                        found.irregularLineStarts.begin() + irregular);
    }

    void OpenBlock(size_t markerLine, size_t markerStart) {
        lastBlockMarker_ = static_cast<long long>(markerLine);
        const int32_t entry = tables_++;
        if (sink_.WantsTable(entry)) {
            const size_t first = sink_.WantsMarkerLine() ? markerLine : markerLine + 2;
            reading_.push_back({entry, markerLine + 2, markerStart, first});
        }
        if (sink_.Finished()) ended_ = true;
    }

    // Gives each table that takes lines the lines it wants below `end`, in order.
    void ReadWantedLinesBefore(size_t end) {
        while (!reading_.empty() && !ended_) {
            const auto first = std::min_element(reading_.begin(), reading_.end(),
                                                [](const Reading& a, const Reading& b) { return a.next < b.next; });
            const size_t line = first->next;
            if (line >= end) return;
            const std::string_view text = LineText(line, *first);
            for (Reading& reading : reading_) {
                if (reading.next != line) continue;
                // The marker line stands above the table line: a negative offset, which size_t would wrap.
                const int64_t offset = static_cast<int64_t>(line) - static_cast<int64_t>(reading.tableLine);
                const bool more = sink_.TakeLine(reading.entry, offset, text);
                reading.next = more ? line + 1 : kDone;
            }
            std::erase_if(reading_, [](const Reading& reading) { return reading.next == kDone; });
            if (sink_.Finished()) ended_ = true;
        }
    }

    // The text of a handled line, walking to it from the last line read or from the marker of the table
    // that wants it, whichever is nearer.
    std::string_view LineText(size_t line, const Reading& wanting) {
        const size_t markerLine = wanting.tableLine - 2;
        if (walkLine_ < markerLine) {
            walkLine_ = markerLine;
            walkStart_ = wanting.markerStart;
        }
        for (; walkLine_ < line; ++walkLine_) walkStart_ += Segment(walkStart_).size() + 1;
        std::string_view segment = Segment(walkStart_);
        if (line == lastIrregularLine_) segment = MendedSegment(segment, scratch_);
        const long long sinceMarker = static_cast<long long>(line) - lastBlockMarker_;
        return SegmentLine(segment, sinceMarker == 1 || sinceMarker == 2);
    }

    // The bytes of the line that starts at `start` (a file offset), up to its line feed or the end of the file.
    std::string_view Segment(size_t start) const {
        const char* begin = buffer_.data() + (start - bufferStart_);
        const size_t left = filled_ - (start - bufferStart_);
        const void* lineFeed = std::memchr(begin, '\n', left);
        return {begin, lineFeed != nullptr ? static_cast<size_t>(static_cast<const char*>(lineFeed) - begin) : left};
    }

    static constexpr size_t kDone = static_cast<size_t>(-1);

    ByteSource& source_;
    TableStreamSink& sink_;
    size_t bufferSize_;
    std::vector<char> buffer_;
    size_t bufferStart_ = 0;  // the file offset of the buffer's first byte
    size_t filled_ = 0;       // bytes of the buffer that hold the file
    LineScanner scanner_;
    BlockOpenings openings_;
    long long lastBlockMarker_ = -3;
    size_t lastIrregularLine_ = kDone;
    int32_t tables_ = 0;
    bool ended_ = false;
    std::vector<Reading> reading_;
    size_t walkLine_ = 0;  // a line whose start is known, and its start
    size_t walkStart_ = 0;
    std::string scratch_;
};

}  // namespace

int32_t ReadDictionaryStream(ByteSource& source, TableStreamSink& sink, size_t bufferSize) {
    int32_t tables = 0;
    WithMemoryReported([&] { tables = StreamReader(source, sink, bufferSize).Run(); });
    return tables;
}

size_t MemorySource::Read(char* buffer, size_t size) {
    const size_t count = std::min({size, piece_, bytes_.size() - read_});
    std::memcpy(buffer, bytes_.data() + read_, count);
    read_ += count;
    return count;
}

}  // namespace dd
