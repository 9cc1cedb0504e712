#include <gtest/gtest.h>

#include <string>

#include "base/BaseFolder.h"
#include "base/BaseFolderDifferences.h"
#include "base/BaseTable.h"
#include "support/TempFolder.h"
#include "support/TestPaths.h"
#include "support/TestText.h"

namespace dd {
namespace {

using test::Cp;

TEST(BaseFolder, NamesTheTableOfAFileAndTellsThePlatformsTables) {
    EXPECT_EQ(TableNameOfFile("C:\\base\\sc167.dbf"), "sc167");
    EXPECT_EQ(TableNameOfFile("/srv/base/DT3050.DBF"), "DT3050");
    EXPECT_EQ(TableNameOfFile("1SJOURN.DBF"), "1SJOURN");
    EXPECT_EQ(FolderPartOf("/srv/base/DT3050.DBF"), "/srv/base/");
    EXPECT_EQ(FolderPartOf("DT3050.DBF"), "");
    struct Case {
        const char* name;
        bool table;
    };
    const Case cases[] = {{"SC167.DBF", true},   {"sc167.dbf", true}, {"DH3050.DBF", true}, {"dt3050.Dbf", true},
                          {"RA200.DBF", true},   {"RG200.DBF", true}, {"CJ1.DBF", true},    {"1SJOURN.DBF", true},
                          {"1sconst.dbf", true}, {"SC.DBF", false},   {"XX1.DBF", false},   {"SC167.DBF.bak", false},
                          {"SC167.CDX", false},  {"1Cv7.DD", false}};
    for (const Case& c : cases) EXPECT_EQ(IsPlatformTableFile(c.name), c.table) << c.name;
}

TEST(BaseFolder, FindsTheDictionaryInAnyLetterCase) {
    const test::TempFolder folder;
    EXPECT_EQ(DictionaryInFolder(folder.Path()), std::nullopt);
    folder.Write("1cv7.dd", "#==TABLE no 0\n");
    folder.Write("1Cv7.DDS", "#==TABLE no 0\n");
    EXPECT_EQ(DictionaryInFolder(folder.Path()), folder.File("1cv7.dd"));
    EXPECT_EQ(DictionaryInFolder(folder.File("missing")), std::nullopt);
}

// The sample base's catalog of goods has a column its dictionary lacks (SP189) and lacks a field its
// dictionary has (SP190); its document has two properties whose names differ only in letter case.
TEST(BaseTable, MatchesTheFilesColumnsWithTheDictionarysFields) {
    const std::string folder = test::SamplePath("base");
    const DictionaryTables dictionary = ReadDictionaryTablesAt(folder + "/1Cv7.DD");
    const BaseTable goods(folder + "/SC185.DBF", dictionary.Find("sc185"));
    std::vector<std::string> names;
    for (const BaseColumn& column : goods.Columns()) names.push_back(column.readableName);
    EXPECT_EQ(names,
              (std::vector<std::string>{"ID", "PARENTID", "CODE", "DESCR", "ISFOLDER", "ISMARK", "VERSTAMP",
                                        Cp(u8"Артикул"), Cp(u8"ЦенаПродажи"), Cp(u8"ЕдиницаИзмерения"), "SP189"}));
    EXPECT_EQ(goods.Columns().back().field, nullptr);
    ASSERT_EQ(goods.FieldsWithoutColumn().size(), 1u);
    EXPECT_EQ(goods.FieldsWithoutColumn()[0]->name, "SP190");

    const BaseTable document(folder + "/DH3050.DBF", dictionary.Find("DH3050"));
    EXPECT_EQ(document.Columns()[1].readableName, Cp(u8"Контрагент (SP3019)"));
    EXPECT_EQ(document.Columns()[2].readableName, Cp(u8"контрагент (SP3120)"));

    const BaseTable undescribed(folder + "/SC999.DBF", nullptr);
    for (const BaseColumn& column : undescribed.Columns()) EXPECT_EQ(column.readableName, column.column->name);
}

}  // namespace
}  // namespace dd
