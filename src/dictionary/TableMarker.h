#pragma once

#include <string_view>

#include "dictionary/LineScan.h"

namespace dd {

// Whether the bytes hold the marker that opens a table block anywhere. The marker holds no line break,
// so this is "some line contains it"; a marker that reading would not reach (after a Ctrl-Z that ends
// the text) still counts, since the question is only whether the bytes may be a dictionary at all.
constexpr bool HoldsTableMarker(std::string_view bytes) noexcept {
    return bytes.find(kTableMarker) != std::string_view::npos;
}

}  // namespace dd
