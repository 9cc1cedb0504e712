#include "outputs/PrintFieldGridCommands.h"

#include "outputs/PrintLayout.h"
#include "outputs/PrintPages.h"

namespace dd {
namespace {

using namespace print_layout;

constexpr std::string_view kFontName = "Times New Roman";

// One grid row at a row position of the page (0 for the headings): its cell rectangle and text origin.
TextInRect CellCommand(std::string_view text, int x0, int x1, int32_t slot) {
    const int top = kHeadingTop + kRowPitch * slot;
    return TextInRect{
        {x0, top, x1 - kRightGap, top + kRowPitch}, x0 + kTextOffsetX, top + kTextOffsetY, std::string(text)};
}

// Pen, bold title font and title: how every page begins, so that no page relies on the device
// context keeping what an earlier page set.
void AppendPageTitle(std::vector<PrintCommand>& commands, std::string_view title) {
    commands.emplace_back(SetPenColour{kBlack});
    commands.emplace_back(SetFontName{std::string(kFontName)});
    commands.emplace_back(SetFontSize{kTitlePoints});
    commands.emplace_back(SetFontStyle{FontStyle::Bold});
    commands.emplace_back(TextAt{kTitleX, kTitleY, std::string(title)});
}

// The page's cells column by column, each column from the heading down.
void AppendPageCells(std::vector<PrintCommand>& commands, const GridModel& grid, std::span<const int> columnWidths,
                     PrintPage page) {
    int x0 = 0;
    for (int column = 0; column < kGridColumns; ++column) {
        const size_t at = static_cast<size_t>(column);
        const int x1 = x0 + kWidthFactor * (at < columnWidths.size() ? columnWidths[at] : 0);
        commands.emplace_back(SetFontStyle{FontStyle::Regular});
        commands.emplace_back(SetFontSize{kCellPoints});
        commands.emplace_back(CellCommand(grid.Cell(column, 0), x0, x1, 0));
        commands.emplace_back(SetFontStyle{FontStyle::Regular});
        for (int32_t row = page.firstRow; row < page.endRow; ++row) {
            commands.emplace_back(CellCommand(grid.Cell(column, row), x0, x1, row - page.firstRow + 1));
        }
        x0 = x1;
    }
}

}  // namespace

std::vector<PrintCommand> PrintFieldGridCommands(const GridModel& grid, std::string_view title,
                                                 std::span<const int> columnWidths, int printableHeight) {
    std::vector<PrintCommand> commands;
    commands.emplace_back(BeginDocument{std::string(title)});
    bool firstPage = true;
    for (const PrintPage& page : SplitPrintPages(grid.RowCount(), printableHeight)) {
        if (!firstPage) commands.emplace_back(NextPage{});
        firstPage = false;
        AppendPageTitle(commands, title);
        AppendPageCells(commands, grid, columnWidths, page);
    }
    commands.emplace_back(EndDocument{});
    return commands;
}

}  // namespace dd
