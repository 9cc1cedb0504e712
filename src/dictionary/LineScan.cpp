#include "dictionary/LineScan.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "dictionary/LineRules.h"

namespace dd {
namespace {

using ScanState = LineScanner::State;

bool IsCrOrLf(char c) { return c == '\r' || c == '\n'; }

inline uint64_t BitsBelow(int bit) { return (uint64_t{1} << bit) - 1; }

inline int HighestSetBit(uint64_t x) { return 63 - std::countl_zero(x); }

// Bit position of the n-th (from 1) set bit of the mask.
inline int NthSetBit(uint64_t mask, int n) {
    for (int k = 1; k < n; ++k) mask &= mask - 1;
    return std::countr_zero(mask);
}

// A line is noted once, however many markers or irregular bytes it holds.
void AddLine(std::vector<size_t>& lines, std::vector<size_t>& starts, size_t line, size_t lineStart) {
    if (!lines.empty() && lines.back() == line) return;
    lines.push_back(line);
    starts.push_back(lineStart);
}

void AddMarkerLine(LineScan& scan, size_t line, size_t lineStart) {
    AddLine(scan.markerLines, scan.markerLineStarts, line, lineStart);
}

bool MarkerAt(std::string_view bytes, size_t pos) {
    return bytes.size() - pos >= kTableMarker.size() &&
           std::memcmp(bytes.data() + pos, kTableMarker.data(), kTableMarker.size()) == 0;
}

// Scans window[from, end) one by one; `base` is the window's offset in the file. Returns false when it
// stopped at an irregular byte.
bool ScanBytes(std::string_view window, size_t base, size_t from, size_t end, IrregularBytes irregular, bool indexLines,
               ScanState& state, LineScan& scan) {
    const char* d = window.data();
    const size_t n = window.size();
    const auto irregularAt = [&](size_t p) {
        if (irregular == IrregularBytes::kStop) {
            scan.firstIrregular = base + p;
            return true;
        }
        if (irregular == IrregularBytes::kReport) {
            AddLine(scan.irregularLines, scan.irregularLineStarts, state.lineFeeds, state.segmentStart);
        }
        return false;
    };
    for (size_t p = from; p < end; ++p) {
        const char c = d[p];
        if (c == '\n') {
            ++state.lineFeeds;
            if (indexLines && state.lineFeeds % kLineStep == 0) scan.lineStarts.push_back(base + p + 1);
            state.segmentStart = base + p + 1;
            state.atSegmentStart = true;
            continue;
        }
        if (c == kCtrlZ) {
            if (state.atSegmentStart) {
                scan.ctrlZLines.push_back(state.lineFeeds);
            } else if (irregularAt(p)) {
                return false;
            }
        } else if (c == '\r') {
            if (p + 1 < n && !IsCrOrLf(d[p + 1]) && irregularAt(p)) return false;
        } else if (c == '#' && MarkerAt(window, p)) {
            AddMarkerLine(scan, state.lineFeeds, state.segmentStart);
        }
        state.atSegmentStart = false;
    }
    return true;
}

}  // namespace

LineScanner::LineScanner(IrregularBytes irregular, bool indexLines, MaskKernel kernel)
    : irregular_(irregular), indexLines_(indexLines), kernel_(kernel) {
    if (indexLines_) scan_.lineStarts.push_back(0);
}

void LineScanner::Feed(std::string_view window, size_t windowStart) {
    if (Stopped()) return;
    const size_t windowEnd = windowStart + window.size();
    if (kernel_ == nullptr) {
        // Byte by byte, short of the bytes that a marker or a carriage return needs to be judged.
        if (scanned_ + kKernelLookahead >= windowEnd) return;
        const size_t end = windowEnd - kKernelLookahead;
        ScanBytes(window, windowStart, scanned_ - windowStart, end - windowStart, irregular_, indexLines_, state_,
                  scan_);
        scanned_ = end;
        return;
    }
    constexpr size_t kBatch = 64;  // blocks whose masks are worked out at once
    BlockMasks masks[kBatch];
    // The state is worked on in locals, which the compiler keeps in registers, and stored back at the end.
    size_t scanned = scanned_;
    State state = state_;
    while (scanned + 64 + kKernelLookahead <= windowEnd) {
        const size_t available = (windowEnd - kKernelLookahead - scanned) / 64;
        size_t blocks = std::min(kBatch, available);
        if (!indexLines_) {
            // Without a line index, plain blocks need no more than their line feeds counted.
            const PlainRun run = kernel_->plainRun(window.data() + (scanned - windowStart), available,
                                                   irregular_ != IrregularBytes::kIgnore);
            state.lineFeeds += run.lineFeeds;
            if (run.lastLineFeed >= 0) state.segmentStart = scanned + static_cast<size_t>(run.lastLineFeed) + 1;
            if (run.blocks > 0) state.atSegmentStart = window[scanned - windowStart + 64 * run.blocks - 1] == '\n';
            scanned += 64 * run.blocks;
            if (run.blocks == available) break;
            blocks = 1;  // the block that is not plain
        }
        kernel_->masks(window.data() + (scanned - windowStart), blocks, masks);
        for (size_t b = 0; b < blocks; ++b, scanned += 64) {
            const BlockMasks& m = masks[b];
            const uint64_t segmentStarts = (m.lineFeeds << 1) | (state.atSegmentStart ? 1u : 0u);
            const uint64_t irregular =
                irregular_ == IrregularBytes::kIgnore ? 0 : m.lonelyReturns | (m.ctrlZs & ~segmentStarts);
            if ((irregular | m.ctrlZs | m.markerStarts) != 0) {
                // Ctrl-Z starts, marker candidates and irregular bytes are rare: their lines are counted one by one.
                auto lineOf = [&](int bit) {
                    return state.lineFeeds + static_cast<size_t>(std::popcount(m.lineFeeds & BitsBelow(bit)));
                };
                auto lineStartOf = [&](int bit) {
                    const uint64_t before = m.lineFeeds & BitsBelow(bit);
                    return before != 0 ? scanned + static_cast<size_t>(HighestSetBit(before)) + 1 : state.segmentStart;
                };
                if (irregular != 0 && irregular_ == IrregularBytes::kStop) {
                    scanned_ = scanned;
                    state_ = state;
                    scan_.firstIrregular = scanned + static_cast<size_t>(std::countr_zero(irregular));
                    return;
                }
                for (uint64_t bits = irregular; bits != 0; bits &= bits - 1) {
                    const int bit = std::countr_zero(bits);
                    AddLine(scan_.irregularLines, scan_.irregularLineStarts, lineOf(bit), lineStartOf(bit));
                }
                for (uint64_t starts = m.ctrlZs & segmentStarts; starts != 0; starts &= starts - 1) {
                    scan_.ctrlZLines.push_back(lineOf(std::countr_zero(starts)));
                }
                for (uint64_t candidates = m.markerStarts; candidates != 0; candidates &= candidates - 1) {
                    const int bit = std::countr_zero(candidates);
                    if (!MarkerAt(window, scanned - windowStart + static_cast<size_t>(bit))) continue;
                    AddMarkerLine(scan_, lineOf(bit), lineStartOf(bit));
                }
            }
            const size_t before = state.lineFeeds;
            state.lineFeeds += static_cast<size_t>(m.lineFeedCount);
            if (indexLines_ && state.lineFeeds / kLineStep != before / kLineStep) {
                const int nth = static_cast<int>(state.lineFeeds / kLineStep * kLineStep - before);
                scan_.lineStarts.push_back(scanned + static_cast<size_t>(NthSetBit(m.lineFeeds, nth)) + 1);
            }
            if (m.lineFeeds != 0) state.segmentStart = scanned + static_cast<size_t>(HighestSetBit(m.lineFeeds)) + 1;
            state.atSegmentStart = (m.lineFeeds >> 63) != 0;
        }
    }
    scanned_ = scanned;
    state_ = state;
}

void LineScanner::FinishWindow(std::string_view window, size_t windowStart) {
    const size_t fileSize = windowStart + window.size();
    if (!Stopped() &&
        ScanBytes(window, windowStart, scanned_ - windowStart, window.size(), irregular_, indexLines_, state_, scan_)) {
        scan_.segmentCount = state_.lineFeeds + ((fileSize > 0 && state_.segmentStart < fileSize) ? 1 : 0);
    }
    scanned_ = fileSize;
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

}  // namespace dd
