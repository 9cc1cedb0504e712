#include <gtest/gtest.h>

#include "outputs/OutputTitles.h"
#include "support/OutputTestGrids.h"

namespace dd {
namespace {

using test::kGoods;

TEST(OutputTitles, PrefixTheListTextByMode) {
    struct Case {
        bool isSqlDictionary;
        std::string_view listText;
        std::string exportTitle;
        std::string printTitle;
    };
    const Case cases[] = {
        // SQL-таблица объекта Товары in both outputs
        {true, kGoods, "SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 \xD2\xEE\xE2\xE0\xF0\xFB",
         "SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 \xD2\xEE\xE2\xE0\xF0\xFB"},
        // DBF-SQL-таблица объекта Товары in the export, DBF-таблица объекта Товары in the print
        {false, kGoods, "DBF-SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 \xD2\xEE\xE2\xE0\xF0\xFB",
         "DBF-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 \xD2\xEE\xE2\xE0\xF0\xFB"},
        // The list text is taken as it is, blanks included.
        {true, " X ", "SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0  X ",
         "SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0  X "},
        {false, "", "DBF-SQL-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 ",
         "DBF-\xF2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xE1\xFA\xE5\xEA\xF2\xE0 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exportTitle);
        EXPECT_EQ(ExportTitle(c.isSqlDictionary, c.listText), c.exportTitle);
        EXPECT_EQ(PrintTitle(c.isSqlDictionary, c.listText), c.printTitle);
    }
}

TEST(OutputTitles, PrefixesHaveTheirByteLengths) {
    EXPECT_EQ(ExportTitle(true, "").size(), 20u);
    EXPECT_EQ(ExportTitle(false, "").size(), 24u);
    EXPECT_EQ(PrintTitle(true, "").size(), 20u);
    EXPECT_EQ(PrintTitle(false, "").size(), 20u);
}

}  // namespace
}  // namespace dd
