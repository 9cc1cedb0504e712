#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "outputs/ClipboardText.h"
#include "outputs/ExportText.h"
#include "outputs/OutputTitles.h"
#include "outputs/PrintFieldGridCommands.h"
#include "outputs/PrintPages.h"
#include "support/PrintCommandChecks.h"
#include "viewmodel/DictionaryView.h"

// Every table of the sample and the real dictionaries through all three outputs: each must keep its
// shape whatever the dictionary holds.
namespace dd {
namespace {

namespace fs = std::filesystem;

const std::array<int, kGridColumns> kWidths = {200, 300, 100, 100, 100};
// A4 at 600 dots per inch: 42 rows below the headings per page.
constexpr int kA4Height = 6814;

void CheckExport(bool isSql, const std::string& listText, const GridModel& grid) {
    const std::vector<std::string> lines = ExportLines(isSql, listText, grid);
    ASSERT_EQ(lines.size(), static_cast<size_t>(grid.RowCount()) + 2);
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "line " << i + 1;
        if (i >= 3) {
            EXPECT_GE(lines[i].size(), 15u + 25 + 5 + 7) << "line " << i + 1;
        }
        joined += lines[i] + "\r\n";
    }
    EXPECT_EQ(ExportFileBytes(isSql, listText, grid), joined);
}

void CheckPrint(bool isSql, const std::string& listText, const GridModel& grid) {
    const std::string title = PrintTitle(isSql, listText);
    const auto pages = test::PagesOf(PrintFieldGridCommands(grid, title, kWidths, kA4Height));
    ASSERT_EQ(pages.size(), SplitPrintPages(grid.RowCount(), kA4Height).size());
    size_t cells = 0;
    for (const auto& page : pages) {
        for (const TextInRect& cell : test::CellsOf(page)) {
            EXPECT_LE(cell.rect.bottom, kA4Height);
            ++cells;
        }
    }
    // Every cell once, plus the headings repeated on every further page.
    EXPECT_EQ(cells, static_cast<size_t>(kGridColumns) * (static_cast<size_t>(grid.RowCount()) + pages.size() - 1));
}

void CheckEveryTable(const fs::path& path) {
    if (!fs::exists(path)) GTEST_SKIP() << path << " is not present";
    DictionaryView view;
    view.Open(path.string());
    const TableListModel& list = view.List();
    const GridModel& grid = view.Grid();
    ASSERT_GT(list.EntryCount(), 0);
    int32_t mostRows = 0;
    for (int32_t entry = 0; entry < list.EntryCount(); ++entry) {
        view.SelectTable(entry);
        const std::string listText = list.EntryText(entry);
        SCOPED_TRACE(testing::Message() << "entry " << entry);
        mostRows = std::max(mostRows, grid.RowCount());
        EXPECT_EQ(RowClipboardText(grid, 0).back(), ';');
        CheckExport(view.IsSqlEdition(), listText, grid);
        CheckPrint(view.IsSqlEdition(), listText, grid);
    }
    EXPECT_GT(mostRows, 2) << "no table with fields";
}

TEST(RealDictionaryOutputs, SampleDbfDictionary) { CheckEveryTable(fs::path(DD_SAMPLES_DIR) / "1Cv7.DD"); }
TEST(RealDictionaryOutputs, SampleSqlDictionary) { CheckEveryTable(fs::path(DD_SAMPLES_DIR) / "1Cv7.DDS"); }
TEST(RealDictionaryOutputs, Artamir) { CheckEveryTable(fs::path(DD_REAL_DICTIONARIES_DIR) / "artamir__tks__1Cv7.DD"); }
TEST(RealDictionaryOutputs, NastaSap) {
    CheckEveryTable(fs::path(DD_REAL_DICTIONARIES_DIR) / "nasta-sap__cats__1Cv7.DD");
}

}  // namespace
}  // namespace dd
