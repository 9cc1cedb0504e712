#include <gtest/gtest.h>

#include <string>

#include "dictionary/Error.h"
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewmodel/DictionaryView.h"

namespace dd {
namespace {

using test::Cp;

std::string TwoTables(std::string_view first, std::string_view second) {
    return "#==TABLE no 0\r\n#\r\nT=A|" + std::string(first) + "|A|A.DBF\r\n#\r\n#\r\nF=X|x|C|1|0\r\n#\r\n" +
           "#==TABLE no 1\r\n#\r\nT=B|" + std::string(second) +
           "|B|B.DBF\r\n#\r\n#\r\nF=Y|y|N|2|0\r\nF=Z|z|N|3|0\r\n#\r\n";
}

TEST(DictionaryView, OpensWithTheFirstTableShownAndTheCurrentCellOnTheCaptions) {
    DictionaryView view;
    view.OpenBytes("C:\\base\\1Cv7.DD", FileBytes::Copy(TwoTables("first", "second")));
    EXPECT_FALSE(view.IsSqlDictionary());
    EXPECT_EQ(view.List().EntryCount(), 2);
    EXPECT_EQ(view.List().SelectedIndex(), 0);
    EXPECT_EQ(view.SelectedTableText(), "first");
    EXPECT_EQ(view.Grid().Cell(0, 0), Cp(u8"Идентификатор"));
    EXPECT_EQ(view.Grid().Cell(0, 1), "A.DBF");
    EXPECT_EQ(view.Grid().RowCount(), 3);
    EXPECT_EQ(view.Grid().FixedRows(), 0);
    EXPECT_EQ(view.Grid().Current(), (GridCell{0, 0}));
}

TEST(DictionaryView, SelectTableShowsTheEntryAndKeepsTheCurrentColumnInRowZero) {
    DictionaryView view;
    view.OpenBytes("C:\\base\\1Cv7.DDS", FileBytes::Copy(TwoTables("first", "second")));
    view.Grid().SetCurrent({2, 2});
    view.SelectTable(1);
    EXPECT_EQ(view.List().SelectedIndex(), 1);
    EXPECT_EQ(view.SelectedTableText(), "second");
    EXPECT_EQ(view.Grid().Cell(0, 1), "B");  // the SQL edition's identifier field
    EXPECT_EQ(view.Grid().Cell(0, 3), "Z");
    EXPECT_EQ(view.Grid().Current(), (GridCell{2, 0}));
}

TEST(DictionaryView, SelectingNoEntryFailsWithTheListErrorAndLeavesTheHeaderRow) {
    DictionaryView view;
    view.OpenBytes("C:\\base\\1Cv7.DD", FileBytes::Copy(TwoTables("first", "second")));
    for (const int32_t entry : {-1, 2}) {
        try {
            view.SelectTable(entry);
            ADD_FAILURE() << entry << ": no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.Message(), "List index out of bounds (-1)") << entry;
        }
        EXPECT_EQ(view.List().SelectedIndex(), -1);
        EXPECT_EQ(view.Grid().RowCount(), 1);
        EXPECT_THROW((void)view.SelectedTableText(), Error);
    }
}

TEST(DictionaryView, OpeningAgainStartsAfresh) {
    DictionaryView view;
    view.OpenBytes("C:\\base\\1Cv7.DDS", FileBytes::Copy(TwoTables("first", "second")));
    view.SelectTable(1);
    const GridModel* grid = &view.Grid();
    view.OpenBytes("C:\\base\\1Cv7.DD", FileBytes::Copy(TwoTables("third", "fourth")));
    EXPECT_EQ(&view.Grid(), grid);  // a grid control showing it keeps showing it
    EXPECT_FALSE(view.IsSqlDictionary());
    EXPECT_EQ(view.List().EntryCount(), 2);
    EXPECT_EQ(view.SelectedTableText(), "third");
    EXPECT_EQ(view.Grid().Cell(0, 1), "A.DBF");
}

TEST(DictionaryView, AFailedOpeningLeavesTheCaptionsAndTheModeAndNoTable) {
    DictionaryView view;
    try {
        view.Open(test::TempPath("no-such-folder-here/1Cv7.DDS"));
        FAIL() << "opened";
    } catch (const Error& error) {
        EXPECT_EQ(error.Message(), "Invalid filename");
    }
    EXPECT_TRUE(view.IsSqlDictionary());
    EXPECT_EQ(view.List().EntryCount(), 0);
    EXPECT_EQ(view.Grid().Cell(4, 0), Cp(u8"Точность"));
}

TEST(DictionaryView, OpensTheSampleFromItsPath) {
    DictionaryView view;
    view.Open(test::SamplePath("1Cv7.DDS"));
    EXPECT_TRUE(view.IsSqlDictionary());
    EXPECT_GT(view.List().EntryCount(), 1);
    EXPECT_GT(view.Lines().LineCount(), view.List().EntryCount());
}

}  // namespace
}  // namespace dd
