#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "dictionary/Dictionary.h"
#include "dictionary/Error.h"
#include "dictionary/GridModel.h"
#include "dictionary/TableFieldView.h"
#include "dictionary/TableListModel.h"

namespace dd {
namespace {

// A table list that runs out of memory at its n-th entry, as a list box of a 32-bit viewer may; or
// whose texts would pass the largest string there, which the standard library refuses with length_error.
class ExhaustedList : public TableListModel {
public:
    explicit ExhaustedList(int32_t failAt, bool pastLargestString = false)
        : failAt_(failAt), pastLargestString_(pastLargestString) {}
    void AppendEntry(std::string_view text, int32_t tableLine) override {
        if (EntryCount() == failAt_) {
            if (pastLargestString_) throw std::length_error("basic_string::append");
            throw std::bad_alloc();
        }
        TableListModel::AppendEntry(text, tableLine);
    }

private:
    int32_t failAt_;
    bool pastLargestString_;
};

// A grid that runs out of memory when it grows past a number of rows.
class ExhaustedGrid : public GridModel {
public:
    explicit ExhaustedGrid(int32_t maxRows) : maxRows_(maxRows) {}
    void SetRowCount(int32_t rows) override {
        if (rows > maxRows_) throw std::bad_alloc();
        GridModel::SetRowCount(rows);
    }

private:
    int32_t maxRows_;
};

// A table of one field, then one of four.
const std::string kTwoTables =
    "#==TABLE no 1\r\nx\r\nT|a|b|c\r\n1\r\n2\r\nF=A|a\r\n#\r\n"
    "#==TABLE no 2\r\nx\r\nT|d|e|f\r\n1\r\n2\r\nF=A|a\r\nF=B|b\r\nF=C|c\r\nF=D|d\r\n";

// Memory that runs out while a dictionary is opened or a table is shown is reported as the
// system's error, "I/O error 8" (Windows' "not enough memory"), so the viewer's box and ddview say
// the same; nothing else escapes.
TEST(OutOfMemory, IsReportedAsTheSystemsError) {
    struct Case {
        std::string name;
        int32_t listFailsAt, gridMaxRows;
        bool pastLargestString = false;
    };
    for (const Case& c :
         {Case{"list, first entry", 0, 100}, Case{"list, second entry", 1, 100}, Case{"grid, while loading", 100, 2},
          Case{"list texts past the largest string", 1, 100, true}}) {
        Dictionary dictionary;
        ExhaustedList list(c.listFailsAt, c.pastLargestString);
        ExhaustedGrid grid(c.gridMaxRows);
        try {
            LoadDictionaryBytes(dictionary, "C:\\1Cv7.DD", FileBytes::Copy(kTwoTables), list, grid);
            ADD_FAILURE() << c.name << ": opened";
        } catch (const Error& error) {
            EXPECT_EQ(error.Message(), "I/O error 8") << c.name;
            EXPECT_EQ(error.IoCode(), kIoNotEnoughMemory) << c.name;
        }
    }

    Dictionary dictionary;
    TableListModel list;
    ExhaustedGrid grid(4);
    LoadDictionaryBytes(dictionary, "C:\\1Cv7.DD", FileBytes::Copy(kTwoTables), list, grid);  // the first table fits
    list.SelectEntry(1);
    try {
        ShowSelectedTable(dictionary, list, grid);
        ADD_FAILURE() << "the table was shown";
    } catch (const Error& error) {
        EXPECT_EQ(error.Message(), "I/O error 8");
    }
}

}  // namespace
}  // namespace dd
