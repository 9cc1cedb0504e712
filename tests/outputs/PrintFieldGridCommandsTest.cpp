#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "outputs/PrintFieldGridCommands.h"
#include "support/OutputTestGrids.h"
#include "support/PrintCommandChecks.h"

namespace dd {
namespace {

using test::MakeGrid;

const std::array<int, kGridColumns> kWorkedWidths = {200, 300, 100, 100, 100};
const std::string kTitle = "SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 \xD2\xEE\xE2\xE0\xF0\xFB";

// Rectangle left and right and text x of the columns at the widths 200, 300, 100, 100, 100.
struct ColumnGeometry {
    int left, right, textX;
};
const ColumnGeometry kWorkedColumns[] = {
    {0, 970, 50}, {1000, 2470, 1050}, {2500, 2970, 2550}, {3000, 3470, 3050}, {3500, 3970, 3550}};

// Rectangle top and bottom and text y of the rows of a page, the headings first.
struct RowGeometry {
    int top, bottom, textY;
};
const RowGeometry kPageRows[] = {{300, 450, 350}, {450, 600, 500}, {600, 750, 650}, {750, 900, 800}};

std::vector<PrintCommand> PageTitle(const std::string& title) {
    return {SetPenColour{kBlack}, SetFontName{"Times New Roman"}, SetFontSize{10}, SetFontStyle{FontStyle::Bold},
            TextAt{0, 100, title}};
}

TextInRect Cell(const ColumnGeometry& column, const RowGeometry& row, std::string text) {
    return {{column.left, row.top, column.right, row.bottom}, column.textX, row.textY, std::move(text)};
}

// One page's cells column by column: the heading, then the given grid rows in the page's row positions.
std::vector<PrintCommand> PageCells(const GridModel& grid, const std::vector<int32_t>& rows) {
    std::vector<PrintCommand> commands;
    for (int column = 0; column < kGridColumns; ++column) {
        const ColumnGeometry& geometry = kWorkedColumns[column];
        commands.push_back(SetFontStyle{FontStyle::Regular});
        commands.push_back(SetFontSize{9});
        commands.push_back(Cell(geometry, kPageRows[0], std::string(grid.Cell(column, 0))));
        commands.push_back(SetFontStyle{FontStyle::Regular});
        for (size_t i = 0; i < rows.size(); ++i) {
            commands.push_back(Cell(geometry, kPageRows[i + 1], std::string(grid.Cell(column, rows[i]))));
        }
    }
    return commands;
}

std::string RowName(int32_t row) {
    std::string name = "r";
    name += std::to_string(row);
    return name;
}

void Append(std::vector<PrintCommand>& to, const std::vector<PrintCommand>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

TEST(PrintFieldGridCommands, DrawTheWorkedExampleOnOnePage) {
    const GridModel grid = test::WorkedExampleGrid();
    std::vector<PrintCommand> expected = {BeginDocument{kTitle}};
    Append(expected, PageTitle(kTitle));
    Append(expected, PageCells(grid, {1, 2, 3}));
    expected.push_back(EndDocument{});
    ASSERT_EQ(expected.size(), 42u);

    // Unknown height, an exact fit (row 3 ends at 900) and a roomy page all give the one page.
    for (int printableHeight : {0, -1, 900, 6814}) {
        SCOPED_TRACE(testing::Message() << "printable height " << printableHeight);
        test::ExpectSameCommands(PrintFieldGridCommands(grid, kTitle, kWorkedWidths, printableHeight), expected);
    }
}

TEST(PrintFieldGridCommands, StartANewPageForARowThatWouldPassTheHeight) {
    const GridModel grid = MakeGrid({{"H0", "H1", "H2", "H3", "H4"},
                                     {"I0", "I1", "", "", ""},
                                     {"A0", "A1", "A2", "A3", "A4"},
                                     {"B0", "B1", "B2", "B3", "B4"}});
    // 750 holds two rows below the headings; row 3 (750..900) goes to page 2, below the headings again.
    std::vector<PrintCommand> expected = {BeginDocument{kTitle}};
    Append(expected, PageTitle(kTitle));
    Append(expected, PageCells(grid, {1, 2}));
    expected.push_back(NextPage{});
    Append(expected, PageTitle(kTitle));
    Append(expected, PageCells(grid, {3}));
    expected.push_back(EndDocument{});

    test::ExpectSameCommands(PrintFieldGridCommands(grid, kTitle, kWorkedWidths, 750), expected);
    test::ExpectSameCommands(PrintFieldGridCommands(grid, kTitle, kWorkedWidths, 899), expected);
}

// Every field row is printed exactly once, in order, below a heading row on every page, and only
// rows that fit the height share a page (but every page takes at least one).
TEST(PrintFieldGridCommands, PrintEveryRowOnceAcrossPages) {
    struct Case {
        int32_t rowCount;
        int printableHeight;
        size_t pages;
    };
    const Case cases[] = {
        {1, 600, 1},  {2, 600, 1},  {3, 600, 2},  {60, 6814, 2}, {43, 6814, 1}, {44, 6814, 2},    {10, 1, 9},
        {10, 599, 9}, {10, 750, 5}, {11, 750, 5}, {12, 750, 6},  {60, 0, 1},    {1000, 4000, 44},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rowCount << " rows, height " << c.printableHeight);
        GridModel grid(kGridColumns, c.rowCount, 0);
        for (int32_t row = 0; row < c.rowCount; ++row) grid.SetCell(0, row, RowName(row));

        const auto commands = PrintFieldGridCommands(grid, kTitle, kWorkedWidths, c.printableHeight);
        ASSERT_TRUE(std::holds_alternative<BeginDocument>(commands.front()));
        ASSERT_TRUE(std::holds_alternative<EndDocument>(commands.back()));
        const auto pages = test::PagesOf(commands);
        EXPECT_EQ(pages.size(), c.pages);

        int32_t nextRow = 1;
        for (const auto& page : pages) {
            ASSERT_GE(page.size(), 5u);
            EXPECT_EQ(page[4], (PrintCommand{TextAt{0, 100, kTitle}}));
            std::vector<TextInRect> column0;
            for (const TextInRect& cell : test::CellsOf(page)) {
                if (cell.rect.left == 0) column0.push_back(cell);
            }
            ASSERT_GE(column0.size(), c.rowCount > 1 ? 2u : 1u);
            EXPECT_EQ(column0[0].text, "r0");
            EXPECT_EQ(column0[0].rect.top, 300);
            for (size_t i = 1; i < column0.size(); ++i) {
                EXPECT_EQ(column0[i].text, RowName(nextRow++));
                EXPECT_EQ(column0[i].rect.top, 300 + 150 * static_cast<int>(i));
                if (c.printableHeight >= 600) {
                    EXPECT_LE(column0[i].rect.bottom, c.printableHeight);
                }
            }
        }
        EXPECT_EQ(nextRow, c.rowCount > 1 ? c.rowCount : 1);
    }
}

TEST(PrintFieldGridCommands, PrintAHeadingRowAloneAsTitleAndHeadings) {
    const GridModel grid = MakeGrid({test::kCaptions});
    std::vector<PrintCommand> expected = {BeginDocument{kTitle}};
    Append(expected, PageTitle(kTitle));
    Append(expected, PageCells(grid, {}));
    expected.push_back(EndDocument{});
    for (int printableHeight : {0, 1, 450}) {
        test::ExpectSameCommands(PrintFieldGridCommands(grid, kTitle, kWorkedWidths, printableHeight), expected);
    }
}

TEST(PrintFieldGridCommands, PrintCellsUntrimmed) {
    const GridModel grid = MakeGrid({test::kCaptions, {" SC12 ", texts::kDbfTableIdentifier, "", "", ""}});
    const auto cells = test::CellsOf(PrintFieldGridCommands(grid, kTitle, kWorkedWidths, 0));
    ASSERT_EQ(cells.size(), 10u);
    EXPECT_EQ(cells[1].text, " SC12 ");
    EXPECT_EQ(cells[3].text, texts::kDbfTableIdentifier);
    EXPECT_EQ(cells[9].text, "");
}

TEST(PrintFieldGridCommands, PlaceColumnsByTheirScreenWidthsTimesFive) {
    struct Case {
        std::array<int, kGridColumns> widths;
        // Heading rectangle left and right of each column.
        std::array<std::pair<int, int>, kGridColumns> expected;
    };
    const Case cases[] = {
        // A 700-pixel grid.
        {{200, 300, 66, 66, 68}, {{{0, 970}, {1000, 2470}, {2500, 2800}, {2830, 3130}, {3160, 3470}}}},
        // A 400-pixel grid: negative widths move the later columns left, the rectangles turn over.
        {{200, 300, -33, -33, -34}, {{{0, 970}, {1000, 2470}, {2500, 2305}, {2335, 2140}, {2170, 1970}}}},
        // A 500-pixel grid: zero widths.
        {{200, 300, 0, 0, 0}, {{{0, 970}, {1000, 2470}, {2500, 2470}, {2500, 2470}, {2500, 2470}}}},
    };
    for (const Case& c : cases) {
        const auto cells = test::CellsOf(PrintFieldGridCommands(test::WorkedExampleGrid(), kTitle, c.widths, 0));
        ASSERT_EQ(cells.size(), 20u);
        for (int column = 0; column < kGridColumns; ++column) {
            const TextInRect& heading = cells[static_cast<size_t>(column) * 4];
            SCOPED_TRACE(testing::Message() << "column " << column);
            EXPECT_EQ(heading.rect.left, c.expected[column].first);
            EXPECT_EQ(heading.rect.right, c.expected[column].second);
            EXPECT_EQ(heading.x, c.expected[column].first + 50);
            EXPECT_EQ(heading.text, texts::kGridCaptions[column]);
        }
    }
}

}  // namespace
}  // namespace dd
