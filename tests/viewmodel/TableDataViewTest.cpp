#include <gtest/gtest.h>

#include <string>

#include "base/DictionaryTables.h"
#include "cli/BaseCommands.h"
#include "support/CollectedText.h"
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewmodel/SearchPattern.h"
#include "viewmodel/TableDataView.h"

namespace dd {
namespace {

using test::Cp;

struct Opened {
    explicit Opened(const std::string& file)
        : dictionary(std::make_shared<DictionaryTables>(ReadDictionaryTablesAt(test::SamplePath("base/1Cv7.DD")))),
          view(test::SamplePath("base/" + file), dictionary, *dictionary->Find(file.substr(0, file.find('.')))) {}
    std::shared_ptr<const DictionaryTables> dictionary;
    TableDataView view;
};

std::string Row(const GridSource& grid, int32_t row) {
    std::string text;
    for (int column = 0; column < grid.ColumnCount(); ++column) text += std::string(grid.Cell(column, row)) + "|";
    return text;
}

// The catalog of contractors: its captions, a row as shown (a number as written at the right, a date the
// Russian way), and the narrow first column that marks a deleted row, greyed.
TEST(TableDataView, ShowsTheRowsUnderReadableNames) {
    Opened opened("SC167.DBF");
    const GridSource& grid = opened.view.Grid();
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.ColumnCount(), 12);
    EXPECT_EQ(grid.RowCount(), 1 + static_cast<int32_t>(opened.view.Table().Table().RowCount()));
    EXPECT_EQ(Row(grid, 0),
              Cp(u8"|ID|PARENTID|CODE|DESCR|ISFOLDER|ISMARK|VERSTAMP|ИНН|Комментарий|КредитныйЛимит|ДатаДоговора|"));
    EXPECT_EQ(Row(grid, 3), Cp(u8"|     3|     1|       3|ООО \"Вектор, Плюс\" филиал|2||103|7701000011|"
                               u8"Кавычки, запятая и табуляция в имени|150000.00|10.01.2023|"));
    EXPECT_EQ(grid.Look(10, 3), (CellLook{true, false}));
    EXPECT_EQ(grid.Look(4, 3), (CellLook{false, false}));
    int32_t deleted = 0;
    for (int32_t row = 1; row < grid.RowCount(); ++row) {
        if (grid.Cell(0, row) != "*") continue;
        ++deleted;
        EXPECT_TRUE(grid.Look(4, row).greyed) << row;
    }
    EXPECT_GT(deleted, 0);
    EXPECT_EQ(grid.Current(), (GridCell{1, 1}));
    EXPECT_EQ(opened.view.ReadableName(), Cp(u8"Справочник Контрагенты"));
    EXPECT_EQ(opened.view.ColumnTooltipText(8), Cp(u8"SP168\r\n(P)ИНН\r\nC 12 0"));
    EXPECT_EQ(opened.view.ColumnTooltipText(0), "");
}

TEST(TableDataView, FindsFromTheFirstRowOnScreenAndGoesOnFromTheHit) {
    Opened opened("SC167.DBF");
    TableDataView& view = opened.view;
    const std::string text = Cp(u8"ооо");
    const auto first = view.Find(text, kFindFirst, 20);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (GridCell{4, 3}));
    EXPECT_TRUE(view.Grid().IsCurrentHighlighted());
    const auto next = view.Find(text, 0, 20);
    ASSERT_TRUE(next);
    EXPECT_GT(next->row, first->row);
    EXPECT_EQ(view.Find(text, kFindBackwards, 20), first);
    EXPECT_FALSE(view.Find(text, kFindBackwards, 20));  // no wrap-around
    EXPECT_EQ(view.Grid().Current(), *first);           // nothing changed by a search that found nothing
    // A find from the start begins at the first row on screen.
    view.Grid().SetTopRow(4);
    const auto fromTop = view.Find(text, kFindFirst, 20);
    ASSERT_TRUE(fromTop);
    EXPECT_GE(fromTop->row, 4);
    // Dates are searched as shown, DD.MM.YYYY.
    view.Grid().SetTopRow(1);
    ASSERT_TRUE(view.Find("10.01.2023", kFindFirst, 20));
    EXPECT_EQ(view.Grid().Current(), (GridCell{11, 3}));
    EXPECT_FALSE(view.Find("20230110", kFindFirst, 20));
}

TEST(TableDataView, CopiesTheSelectionOrTheCurrentCellAndSelectsAll) {
    Opened opened("SC167.DBF");
    TableDataView& view = opened.view;
    view.Grid().SetCurrent({4, 3});
    EXPECT_EQ(view.CopyText(), Cp(u8"ООО \"Вектор, Плюс\" филиал"));
    view.Grid().SetCurrent({0, 3});
    view.Grid().SetCurrent({5, 4}, true);
    // The mark's column is left out; a TAB inside a cell becomes a space, as the field grid's copy does.
    EXPECT_EQ(view.CopyText(), Cp(u8"     3\t     1\t       3\tООО \"Вектор, Плюс\" филиал\t2\r\n"
                                  u8"     4\t     1\t       4\tИП Соколова А. В.\t2\r\n"));
    EXPECT_EQ(view.RowText(4),
              Cp(u8"     4\t     1\t       4\tИП Соколова А. В.\t2\t\t104\t500100000022\t\t-2500.50\t"));
    view.SelectAll();
    EXPECT_EQ(view.Grid().Selection(), (GridRange{1, 1, 11, view.Grid().RowCount() - 1}));
    EXPECT_EQ(view.SelectedRowCount(), view.Table().Table().RowCount());
}

// Save as CSV writes what `ddview data --csv` prints.
TEST(TableDataView, SavesTheBytesOfDdviewDataCsv) {
    for (const char* file : {"SC167.DBF", "DH3050.DBF", "DT3050.DBF", "1SJOURN.DBF"}) {
        Opened opened(file);
        test::CollectedText saved;
        opened.view.WriteCsv(saved);
        std::string printed;
        {
            cli::TextOutput out(printed, false);
            cli::PrintTableData(test::SamplePath(std::string("base/") + file), opened.dictionary.get(),
                                {DataFormat::kCsv, false, false}, out, [](const std::string&, const std::string&) {});
        }
        EXPECT_EQ(saved.collected, printed) << file;
    }
}

}  // namespace
}  // namespace dd
