#include "dictionary/LineScan.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace dd {
namespace {

constexpr char kCtrlZ = 26;

using ScanState = LineScanner::State;

bool IsCrOrLf(char c) { return c == '\r' || c == '\n'; }

inline uint64_t BitsBelow(int bit) { return (uint64_t{1} << bit) - 1; }

inline int HighestSetBit(uint64_t x) { return 63 - std::countl_zero(x); }

// Bit position of the n-th (from 1) set bit of the mask.
inline int NthSetBit(uint64_t mask, int n) {
    for (int k = 1; k < n; ++k) mask &= mask - 1;
    return std::countr_zero(mask);
}

void AddMarkerLine(LineScan& scan, size_t line, size_t lineStart) {
    if (!scan.markerLines.empty() && scan.markerLines.back() == line) return;
    scan.markerLines.push_back(line);
    scan.markerLineStarts.push_back(lineStart);
}

bool MarkerAt(std::string_view bytes, size_t pos) {
    return bytes.size() - pos >= kTableMarker.size() &&
           std::memcmp(bytes.data() + pos, kTableMarker.data(), kTableMarker.size()) == 0;
}

// Scans bytes[from, end) one by one. Returns false when it stopped at an irregular byte.
bool ScanBytes(std::string_view bytes, size_t from, size_t end, bool findIrregular, ScanState& state, LineScan& scan) {
    const char* d = bytes.data();
    const size_t n = bytes.size();
    for (size_t p = from; p < end; ++p) {
        const char c = d[p];
        if (c == '\n') {
            ++state.lineFeeds;
            if (state.lineFeeds % kLineStep == 0) scan.lineStarts.push_back(p + 1);
            state.segmentStart = p + 1;
            state.atSegmentStart = true;
            continue;
        }
        if (c == kCtrlZ) {
            if (state.atSegmentStart) {
                scan.ctrlZLines.push_back(state.lineFeeds);
            } else if (findIrregular) {
                scan.firstIrregular = p;
                return false;
            }
        } else if (c == '\r') {
            if (findIrregular && p + 1 < n && !IsCrOrLf(d[p + 1])) {
                scan.firstIrregular = p;
                return false;
            }
        } else if (c == '#' && MarkerAt(bytes, p)) {
            AddMarkerLine(scan, state.lineFeeds, state.segmentStart);
        }
        state.atSegmentStart = false;
    }
    return true;
}

}  // namespace

LineScanner::LineScanner(bool findIrregular, MaskKernel kernel) : findIrregular_(findIrregular), kernel_(kernel) {
    scan_.lineStarts.push_back(0);
}

void LineScanner::Feed(std::string_view bytes) {
    if (kernel_ == nullptr || Stopped()) return;
    constexpr size_t kBatch = 64;  // blocks whose masks are worked out at once
    BlockMasks masks[kBatch];
    while (scanned_ + 64 + kKernelLookahead <= bytes.size()) {
        const size_t blocks = std::min(kBatch, (bytes.size() - kKernelLookahead - scanned_) / 64);
        kernel_(bytes.data() + scanned_, blocks, masks);
        for (size_t b = 0; b < blocks; ++b, scanned_ += 64) {
            const BlockMasks& m = masks[b];
            const uint64_t segmentStarts = (m.lineFeeds << 1) | (state_.atSegmentStart ? 1u : 0u);
            if (findIrregular_) {
                const uint64_t irregular = m.lonelyReturns | (m.ctrlZs & ~segmentStarts);
                if (irregular != 0) {
                    scan_.firstIrregular = scanned_ + static_cast<size_t>(std::countr_zero(irregular));
                    return;
                }
            }
            // Ctrl-Z starts and marker candidates are rare: their line numbers are counted one by one.
            auto lineOf = [&](int bit) {
                return state_.lineFeeds + static_cast<size_t>(std::popcount(m.lineFeeds & BitsBelow(bit)));
            };
            for (uint64_t starts = m.ctrlZs & segmentStarts; starts != 0; starts &= starts - 1) {
                scan_.ctrlZLines.push_back(lineOf(std::countr_zero(starts)));
            }
            for (uint64_t candidates = m.markerStarts; candidates != 0; candidates &= candidates - 1) {
                const int bit = std::countr_zero(candidates);
                if (!MarkerAt(bytes, scanned_ + static_cast<size_t>(bit))) continue;
                const uint64_t before = m.lineFeeds & BitsBelow(bit);
                const size_t lineStart =
                    before != 0 ? scanned_ + static_cast<size_t>(HighestSetBit(before)) + 1 : state_.segmentStart;
                AddMarkerLine(scan_, lineOf(bit), lineStart);
            }
            const size_t before = state_.lineFeeds;
            state_.lineFeeds += static_cast<size_t>(m.lineFeedCount);
            if (state_.lineFeeds / kLineStep != before / kLineStep) {
                const int nth = static_cast<int>(state_.lineFeeds / kLineStep * kLineStep - before);
                scan_.lineStarts.push_back(scanned_ + static_cast<size_t>(NthSetBit(m.lineFeeds, nth)) + 1);
            }
            if (m.lineFeeds != 0) state_.segmentStart = scanned_ + static_cast<size_t>(HighestSetBit(m.lineFeeds)) + 1;
            state_.atSegmentStart = (m.lineFeeds >> 63) != 0;
        }
    }
}

LineScan LineScanner::Finish(std::string_view bytes) {
    if (!Stopped() && ScanBytes(bytes, scanned_, bytes.size(), findIrregular_, state_, scan_)) {
        const size_t n = bytes.size();
        scan_.segmentCount = state_.lineFeeds + ((n > 0 && bytes[n - 1] != '\n') ? 1 : 0);
    }
    scanned_ = bytes.size();
    return std::move(scan_);
}

LineScan ScanLines(std::string_view bytes, bool findIrregular) {
    LineScanner scanner(findIrregular);
    scanner.Feed(bytes);
    return scanner.Finish(bytes);
}

LineScan ScanLinesScalar(std::string_view bytes, bool findIrregular) {
    LineScanner scanner(findIrregular, nullptr);
    return scanner.Finish(bytes);
}

namespace {

bool SegmentIsIrregular(const char* s, const char* e) {
    for (const char* p = s; p < e; ++p) {
        if (*p == kCtrlZ) return true;
        if (*p == '\r' && p + 1 < e && p[1] != '\r') return true;
    }
    return false;
}

// Writes the segment's line at its start: CRs dropped, cut at the first Ctrl-Z, the rest CRs.
void MendSegment(char* s, char* e) {
    char* w = s;
    for (char* r = s; r < e; ++r) {
        if (*r == '\r') continue;
        if (*r == kCtrlZ) break;
        *w++ = *r;
    }
    std::memset(w, '\r', static_cast<size_t>(e - w));
}

}  // namespace

void MendIrregularSegments(char* data, size_t size, size_t from) {
    if (from >= size) return;
    size_t start = from;
    while (start > 0 && data[start - 1] != '\n') --start;
    while (start < size) {
        char* s = data + start;
        char* lineFeed = static_cast<char*>(std::memchr(s, '\n', size - start));
        char* e = lineFeed != nullptr ? lineFeed : data + size;
        if (*s != kCtrlZ && SegmentIsIrregular(s, e)) MendSegment(s, e);
        start = static_cast<size_t>(e - data) + 1;
    }
}

}  // namespace dd
