#pragma once

#include <cstddef>
#include <string_view>

#include "dictionary/LineScan.h"

namespace dd {

// How far into a file its first table marker must stand for the file to be taken as a dictionary: a
// file without one in its first 64 KB (a disk image, a text that merely has the extension) is not read on.
inline constexpr size_t kTableMarkerProbeBytes = size_t{64} << 10;

// Whether the bytes hold the marker that opens a table block anywhere. The marker holds no line break,
// so this is "some line contains it"; a marker that reading would not reach (after a Ctrl-Z that ends
// the text) still counts, since the question is only whether the bytes may be a dictionary at all.
constexpr bool HoldsTableMarker(std::string_view bytes) noexcept {
    return bytes.find(kTableMarker) != std::string_view::npos;
}

// The table's whole name as its marker line gives it: "#==TABLE no 88     : Справочник Склады" gives
// "Справочник Склады", trimmed. The list's description is the table line's field, which the dictionary
// cuts at 30 characters; the marker line holds the name whole. Empty when the line names nothing: no
// marker, no colon after its number, or nothing after the colon.
std::string_view TableNameOfMarkerLine(std::string_view line) noexcept;

}  // namespace dd
