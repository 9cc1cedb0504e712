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
    EXPECT_FALSE(view.IsSqlEdition());
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
    EXPECT_FALSE(view.IsSqlEdition());
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
    EXPECT_TRUE(view.IsSqlEdition());
    EXPECT_EQ(view.List().EntryCount(), 0);
    EXPECT_EQ(view.Grid().Cell(4, 0), Cp(u8"Точность"));
}

TEST(DictionaryView, OpensTheSampleFromItsPath) {
    DictionaryView view;
    view.Open(test::SamplePath("1Cv7.DDS"));
    EXPECT_TRUE(view.IsSqlEdition());
    EXPECT_GT(view.List().EntryCount(), 1);
    EXPECT_GT(view.Lines().LineCount(), view.List().EntryCount());
}

TEST(DictionaryView, SelectAllSelectsEveryCellWithTheCurrentCellAtTheTopLeft) {
    DictionaryView view;
    view.OpenBytes("C:\\base\\1Cv7.DD", FileBytes::Copy(TwoTables("first", "second")));
    view.SelectTable(1);
    view.Grid().SetCurrent({3, 2});
    view.Grid().SetTopRow(2);
    view.SelectAll();
    EXPECT_EQ(view.Grid().Selection(), (GridRange{0, 0, 4, 3}));
    EXPECT_EQ(view.Grid().Current(), (GridCell{0, 0}));
    EXPECT_EQ(view.Grid().TopRow(), 2);
    // The whole grid as lines: captions, the identifier row, the fields.
    EXPECT_EQ(view.CopyText(), Cp(u8"Идентификатор\tОписание\tТип\tДлина\tТочность\r\n"
                                  u8"B.DBF\tИдентификатор DBF-таблицы\t\t\t\r\n") +
                                   "Y\ty\tN\t2\t0\r\nZ\tz\tN\t3\t0\r\n");
}

TEST(DictionaryView, CopiesTheRangeOrElseTheCurrentCellAsItStands) {
    const std::string bytes = "#==TABLE no 0\r\n#\r\nT=A|first|A|A.DBF\r\n#\r\n#\r\nF=X| x\ty |C|1|0\r\n#\r\n";
    struct Case {
        const char* name;
        GridCell anchor;
        GridCell current;
        std::string expected;
    };
    const Case cases[] = {
        {"one cell: as \"copy cell\" copies it, the tab kept", {1, 2}, {1, 2}, "x\ty"},
        {"one cell in row 0", {2, 0}, {2, 0}, Cp(u8"Тип")},
        {"one empty cell", {4, 1}, {4, 1}, ""},
        {"two cells", {0, 2}, {1, 2}, "X\tx y\r\n"},
        {"a range chosen upwards", {2, 2}, {1, 1}, Cp(u8"Идентификатор DBF-таблицы\t\r\nx y\tC\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DictionaryView view;
        view.OpenBytes("C:\\base\\1Cv7.DD", FileBytes::Copy(bytes));
        view.Grid().SetCurrent(c.anchor);
        view.Grid().SetCurrent(c.current, true);
        EXPECT_EQ(view.CopyText(), c.expected);
    }
}

// Ctrl+C in the list: the selected table's description and identifier, by the edition's field, whatever
// the grid shows or has selected.
TEST(DictionaryView, CopiesTheSelectedTablesDescriptionAndIdentifierForTheList) {
    struct Case {
        const char* path;
        int32_t selected;
        std::string expected;
    };
    const Case cases[] = {
        {"C:\\base\\1Cv7.DD", 0, "first\tA.DBF"},
        {"C:\\base\\1Cv7.DD", 1, "second\tB.DBF"},
        {"C:\\base\\1Cv7.DDS", 1, "second\tB"},
    };
    for (const Case& c : cases) {
        DictionaryView view;
        view.OpenBytes(c.path, FileBytes::Copy(TwoTables("first", "second")));
        view.SelectEntry(c.selected);  // selected in the list, the grid still showing table 0
        view.Grid().SetCurrent({1, 2});
        EXPECT_EQ(view.SelectedTableCopyText(), c.expected) << c.path << " " << c.selected;
    }
    DictionaryView view;
    view.OpenBytes("C:\\base\\1Cv7.DD", FileBytes::Copy(TwoTables("first", "second")));
    view.SelectEntry(-1);
    EXPECT_EQ(view.SelectedTableCopyText(), std::nullopt);
}

}  // namespace
}  // namespace dd
