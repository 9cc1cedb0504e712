#include "dictionary/TableMarker.h"

#include "dictionary/TrimBlanks.h"

namespace dd {

std::string_view TableNameOfMarkerLine(std::string_view line) noexcept {
    const size_t marker = line.find(kTableMarker);
    if (marker == std::string_view::npos) return {};
    size_t at = marker + kTableMarker.size();
    auto skip = [&](auto belongs) {
        while (at < line.size() && belongs(line[at])) ++at;
    };
    skip([](char c) { return c == ' ' || c == '\t'; });
    skip([](char c) { return c >= '0' && c <= '9'; });
    skip([](char c) { return c == ' ' || c == '\t'; });
    if (at >= line.size() || line[at] != ':') return {};
    return TrimBlanks(line.substr(at + 1));
}

}  // namespace dd
