#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ReadableViews.h"

namespace dd {
namespace {

const ReadableView kContractors{
    "SC167", "Contractors", {{"ID", "ID"}, {"SP3019", "Contractor"}, {"SP3120", "Contractor (SP3120)"}}};

TEST(ViewStatements, DropTheViewOfThatNameThenCreateItOverTheTable) {
    EXPECT_EQ(ViewStatements(kContractors, SqlDialect::kTsql),
              (std::vector<std::string>{
                  "IF OBJECT_ID(N'[dbo].[Contractors]', N'V') IS NOT NULL DROP VIEW [dbo].[Contractors]",
                  "CREATE VIEW [dbo].[Contractors] AS\nSELECT [ID],\n       [SP3019] AS [Contractor],\n"
                  "       [SP3120] AS [Contractor (SP3120)]\nFROM [dbo].[SC167]"}));
    EXPECT_EQ(
        ViewStatements(kContractors, SqlDialect::kSqlite),
        (std::vector<std::string>{"DROP VIEW IF EXISTS \"Contractors\"",
                                  "CREATE VIEW \"Contractors\" AS\nSELECT \"ID\",\n       \"SP3019\" AS "
                                  "\"Contractor\",\n       \"SP3120\" AS \"Contractor (SP3120)\"\nFROM \"SC167\""}));
}

// Whatever a name holds, it stays one name: the quote that closes it is doubled, and so is a quote inside
// SQL Server's string literal.
TEST(QuotedSqlName, DoublesTheClosingQuote) {
    struct Case {
        std::string name;
        SqlDialect dialect;
        std::string quoted;
    };
    const Case cases[] = {
        {"a]b", SqlDialect::kTsql, "[a]]b]"},        {"a\"b", SqlDialect::kTsql, "[a\"b]"},
        {"a\"b", SqlDialect::kSqlite, "\"a\"\"b\""}, {"a]b", SqlDialect::kSqlite, "\"a]b\""},
        {"", SqlDialect::kSqlite, "\"\""},
    };
    for (const Case& c : cases) EXPECT_EQ(QuotedSqlName(c.name, c.dialect), c.quoted) << c.name;
    const ReadableView view{"SC1", "O'Brien's", {{"ID", "ID"}}};
    EXPECT_EQ(ViewStatements(view, SqlDialect::kTsql)[0],
              "IF OBJECT_ID(N'[dbo].[O''Brien''s]', N'V') IS NOT NULL DROP VIEW [dbo].[O'Brien's]");
}

TEST(ViewsScript, SeparatesSqlServerBatchesAndLeavesOutViewsWithoutColumns) {
    const std::vector<ReadableView> views = {kContractors, {"SC2", "Empty", {}}};
    const std::string tsql = ViewsScript(views, SqlDialect::kTsql);
    EXPECT_EQ(tsql.find("Empty"), std::string::npos);
    EXPECT_NE(tsql.find("DROP VIEW [dbo].[Contractors];\nGO\nCREATE VIEW"), std::string::npos);
    EXPECT_NE(tsql.find("FROM [dbo].[SC167];\nGO\n"), std::string::npos);
    const std::string sqlite = ViewsScript(views, SqlDialect::kSqlite);
    EXPECT_EQ(sqlite.find("GO"), std::string::npos);
    EXPECT_NE(sqlite.find("DROP VIEW IF EXISTS \"Contractors\";\nCREATE VIEW"), std::string::npos);
}

TEST(DictionaryViews, NameEachTableAndItsFieldsReadably) {
    DictionaryTables dictionary;
    dictionary.tables.push_back(
        {0,
         "SC1",
         "Short name",
         "Whole name",
         {{"ID", "ID object", "C", "9", "0"}, {"SP2", "(P)Price", "N", "14", "2"}, {"SP3", "(P)price", "N", "14", "2"}},
         {}});
    dictionary.tables.push_back({1, "SC4", "No fields", "", {}, {}});
    dictionary.tables.push_back({2, "SC5", "whole NAME", "", {{"ID", "", "C", "9", "0"}}, {}});
    const std::vector<ReadableView> views = DictionaryViews(dictionary);
    ASSERT_EQ(views.size(), 2u);
    EXPECT_EQ(views[0].table, "SC1");
    EXPECT_EQ(views[0].name, "Whole name (SC1)");
    ASSERT_EQ(views[0].columns.size(), 3u);
    EXPECT_EQ(views[0].columns[1].readableName, "Price (SP2)");
    EXPECT_EQ(views[0].columns[2].readableName, "price (SP3)");
    EXPECT_EQ(views[1].name, "whole NAME (SC5)");
}

}  // namespace
}  // namespace dd
