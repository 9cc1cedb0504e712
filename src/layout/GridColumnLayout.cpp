#include "layout/GridColumnLayout.h"

#include <algorithm>
#include <cstdint>

#include "layout/GridGeometry.h"

namespace dd {
namespace {

constexpr size_t kIdentifier = 0;
constexpr size_t kDescription = 1;
constexpr size_t kLast = kGridColumns - 1;

bool NoneBelowItsMinimum(const ColumnWidths& widths, const ColumnWidths& minimums) noexcept {
    for (size_t c = 0; c < widths.size(); ++c) {
        if (widths[c] < minimums[c]) return false;
    }
    return true;
}

bool EveryMinimumInside(const ColumnWidths& widths, const ColumnWidths& minimums, int clientWidth, Dpi dpi) noexcept {
    for (int c = 0; c < kGridColumns; ++c) {
        if (int64_t{ColumnLeft(widths, c, 0, dpi)} + minimums[static_cast<size_t>(c)] > clientWidth) return false;
    }
    return true;
}

// The rule left a column narrower than its minimum: every column gets at least its minimum, the last
// three keep what the rule gave them beyond it, and the identifier and the description shrink until
// the last column's minimum ends at the client area's right edge.
ColumnWidths MakeRoom(const ColumnWidths& rule, const ColumnWidths& minimums, int clientWidth, Dpi dpi) noexcept {
    ColumnWidths widths{};
    for (size_t c = kDescription + 1; c < widths.size(); ++c) widths[c] = std::max(rule[c], minimums[c]);
    int64_t room = int64_t{clientWidth} - minimums[kLast];
    for (size_t c = kDescription + 1; c < kLast; ++c) room -= widths[c];
    room -= int64_t{kGridColumns - 1} * GridLineWidth(dpi);

    const int64_t least = int64_t{minimums[kIdentifier]} + minimums[kDescription];
    const int64_t most = int64_t{std::max(rule[kIdentifier], minimums[kIdentifier])} +
                         std::max(rule[kDescription], minimums[kDescription]);
    const int64_t shared = std::clamp(room, least, std::max(least, most));
    const int64_t ruleShare = int64_t{rule[kIdentifier]} + rule[kDescription];
    const int64_t identifier = shared * rule[kIdentifier] / ruleShare;  // both rule widths are positive
    widths[kIdentifier] =
        static_cast<int>(std::clamp<int64_t>(identifier, minimums[kIdentifier], shared - minimums[kDescription]));
    widths[kDescription] = static_cast<int>(shared - widths[kIdentifier]);
    return widths;
}

}  // namespace

ColumnWidths ColumnMinimums(const ColumnWidths& captionTextWidths, Dpi dpi) noexcept {
    ColumnWidths minimums{};
    for (size_t c = 0; c < minimums.size(); ++c)
        minimums[c] = std::max(captionTextWidths[c], 0) + 2 * GridTextMargin(dpi);
    return minimums;
}

GridColumnLayout LayoutGridColumns(int gridOuterWidth, int clientWidth, const ColumnWidths& captionTextWidths,
                                   Dpi dpi) noexcept {
    GridColumnLayout layout;
    layout.minimums = ColumnMinimums(captionTextWidths, dpi);
    const ColumnWidths rule = FitColumnWidths(gridOuterWidth, dpi);
    layout.widths =
        NoneBelowItsMinimum(rule, layout.minimums) ? rule : MakeRoom(rule, layout.minimums, clientWidth, dpi);
    layout.contentWidth = ColumnLeft(layout.widths, kGridColumns, 0, dpi);
    layout.scrolls = !EveryMinimumInside(layout.widths, layout.minimums, clientWidth, dpi);
    return layout;
}

}  // namespace dd
