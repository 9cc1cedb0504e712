#include "LineScan.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace dd {
namespace {

constexpr char kCtrlZ = 26;

// State of a scan carried from one stretch of bytes to the next.
struct ScanState {
    size_t lineFeeds = 0;
    bool atSegmentStart = true;
};

bool IsCrOrLf(char c) { return c == '\r' || c == '\n'; }

void AddMarkerLine(LineScan& scan, size_t line) {
    if (scan.markerLines.empty() || scan.markerLines.back() != line) scan.markerLines.push_back(line);
}

bool MarkerAt(std::string_view bytes, size_t pos) {
    return bytes.size() - pos >= kTableMarker.size() &&
           std::memcmp(bytes.data() + pos, kTableMarker.data(), kTableMarker.size()) == 0;
}

// Scans bytes[from, end) one by one. Returns false when it stopped at an irregular byte.
bool ScanBytes(std::string_view bytes, size_t from, size_t end, bool findIrregular, ScanState& state,
               LineScan& scan) {
    const char* d = bytes.data();
    const size_t n = bytes.size();
    for (size_t p = from; p < end; ++p) {
        const char c = d[p];
        if (c == '\n') {
            ++state.lineFeeds;
            if (state.lineFeeds % kLineStep == 0) scan.lineStarts.push_back(p + 1);
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
            AddMarkerLine(scan, state.lineFeeds);
        }
        state.atSegmentStart = false;
    }
    return true;
}

#if defined(__SSE2__)

inline uint64_t Mask64(const char* p, __m128i value) {
    uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        mask |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, value)))) << (16 * k);
    }
    return mask;
}

// Positions where "#=" stands with "T" two bytes further: the only places a marker can begin.
inline uint64_t MarkerCandidates(const char* p) {
    const __m128i hash = _mm_set1_epi8('#'), equals = _mm_set1_epi8('='), tee = _mm_set1_epi8('T');
    uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
        const char* q = p + 16 * k;
        const __m128i a = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(q)), hash);
        const __m128i b = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 1)), equals);
        const __m128i t = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 3)), tee);
        const int bits = _mm_movemask_epi8(_mm_and_si128(a, _mm_and_si128(b, t)));
        mask |= static_cast<uint64_t>(static_cast<uint16_t>(bits)) << (16 * k);
    }
    return mask;
}

inline uint64_t BitsBelow(int bit) { return (uint64_t{1} << bit) - 1; }

inline int PopCount(uint64_t x) { return __builtin_popcountll(x); }

// Bit position of the n-th (from 1) set bit of the mask.
inline int NthSetBit(uint64_t mask, int n) {
    for (int k = 1; k < n; ++k) mask &= mask - 1;
    return __builtin_ctzll(mask);
}

LineScan ScanVector(std::string_view bytes, bool findIrregular) {
    LineScan scan;
    scan.lineStarts.push_back(0);
    ScanState state;
    const char* d = bytes.data();
    const size_t n = bytes.size();
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), ctrlZ = _mm_set1_epi8(kCtrlZ);
    // Each block reads 64 bytes and looks up to 19 bytes beyond them.
    constexpr size_t kBlock = 64, kLookahead = 19;
    size_t i = 0;
    for (; i + kBlock + kLookahead <= n; i += kBlock) {
        const char* p = d + i;
        const uint64_t lineFeeds = Mask64(p, lf);
        const uint64_t ctrlZs = Mask64(p, ctrlZ);
        const uint64_t segmentStarts = (lineFeeds << 1) | (state.atSegmentStart ? 1u : 0u);
        if (findIrregular) {
            const uint64_t returns = Mask64(p, cr);
            uint64_t followedByBreak = (lineFeeds | returns) >> 1;
            if (IsCrOrLf(p[kBlock])) followedByBreak |= uint64_t{1} << 63;
            const uint64_t irregular = (returns & ~followedByBreak) | (ctrlZs & ~segmentStarts);
            if (irregular != 0) {
                scan.firstIrregular = i + static_cast<size_t>(__builtin_ctzll(irregular));
                return scan;
            }
        }
        for (uint64_t starts = ctrlZs & segmentStarts; starts != 0; starts &= starts - 1) {
            const int bit = __builtin_ctzll(starts);
            scan.ctrlZLines.push_back(state.lineFeeds + PopCount(lineFeeds & BitsBelow(bit)));
        }
        for (uint64_t candidates = MarkerCandidates(p); candidates != 0; candidates &= candidates - 1) {
            const int bit = __builtin_ctzll(candidates);
            if (MarkerAt(bytes, i + bit)) AddMarkerLine(scan, state.lineFeeds + PopCount(lineFeeds & BitsBelow(bit)));
        }
        const size_t before = state.lineFeeds;
        state.lineFeeds += PopCount(lineFeeds);
        if (state.lineFeeds / kLineStep != before / kLineStep) {
            const size_t nth = state.lineFeeds / kLineStep * kLineStep - before;
            scan.lineStarts.push_back(i + NthSetBit(lineFeeds, static_cast<int>(nth)) + 1);
        }
        state.atSegmentStart = (lineFeeds >> 63) != 0;
    }
    if (!ScanBytes(bytes, i, n, findIrregular, state, scan)) return scan;
    scan.segmentCount = state.lineFeeds + ((n > 0 && d[n - 1] != '\n') ? 1 : 0);
    return scan;
}

#endif

}  // namespace

LineScan ScanLinesScalar(std::string_view bytes, bool findIrregular) {
    LineScan scan;
    scan.lineStarts.push_back(0);
    ScanState state;
    if (!ScanBytes(bytes, 0, bytes.size(), findIrregular, state, scan)) return scan;
    const size_t n = bytes.size();
    scan.segmentCount = state.lineFeeds + ((n > 0 && bytes[n - 1] != '\n') ? 1 : 0);
    return scan;
}

LineScan ScanLines(std::string_view bytes, bool findIrregular) {
#if defined(__SSE2__)
    return ScanVector(bytes, findIrregular);
#else
    return ScanLinesScalar(bytes, findIrregular);
#endif
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
