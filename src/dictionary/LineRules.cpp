#include "dictionary/LineRules.h"

#include <cstring>

#include "dictionary/TrimBlanks.h"

namespace dd {
namespace {

bool SegmentIsIrregular(const char* s, const char* e) {
    for (const char* p = s; p < e; ++p) {
        if (*p == kCtrlZ) return true;
        if (*p == '\r' && p + 1 < e && p[1] != '\r') return true;
    }
    return false;
}

// Writes the segment's line from `out` on (which may be the segment's own start): CRs dropped, cut at
// the first Ctrl-Z. Returns the end of what was written.
char* WriteMendedLine(const char* s, const char* e, char* out) {
    for (const char* r = s; r < e; ++r) {
        if (*r == '\r') continue;
        if (*r == kCtrlZ) break;
        *out++ = *r;
    }
    return out;
}

// Writes the segment's line at its start, the rest CRs.
void MendSegment(char* s, char* e) {
    char* w = WriteMendedLine(s, e, s);
    std::memset(w, '\r', static_cast<size_t>(e - w));
}

}  // namespace

std::string_view MendedSegment(std::string_view segment, std::string& scratch) {
    scratch.resize(segment.size());
    const char* end = WriteMendedLine(segment.data(), segment.data() + segment.size(), scratch.data());
    return std::string_view(scratch.data(), static_cast<size_t>(end - scratch.data()));
}

std::string_view SegmentLine(std::string_view segment, bool keptAsRead) {
    while (!segment.empty() && segment.back() == '\r') segment.remove_suffix(1);
    if (!segment.empty() && segment.front() == kCtrlZ) return {};  // a Ctrl-Z at its start leaves the line empty
    return keptAsRead ? segment : TrimBlanks(segment);
}

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
