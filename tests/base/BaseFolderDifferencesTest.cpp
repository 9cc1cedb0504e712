#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/BaseFolderDifferences.h"
#include "dictionary/Error.h"
#include "support/DbfBuilder.h"
#include "support/DifferenceFacts.h"
#include "support/SmallTables.h"
#include "support/TempFolder.h"
#include "support/TestPaths.h"
#include "support/TestText.h"

namespace dd {
namespace {

using test::Cp;
using test::DbfBuilder;
using test::Facts;
using test::Field;
using test::Index;
using test::Table;
using test::Tables;

TEST(IsPlatformTableFile, TakesTheDbfFilesNamedLikeThePlatformsTables) {
    struct Case {
        std::string name;
        bool table;
    };
    const Case cases[] = {
        {"SC167.DBF", true},   {"sc167.dbf", true},  {"DH3050.Dbf", true},     {"DT3050.DBF", true},
        {"RA3060.DBF", true},  {"RG3060.DBF", true}, {"CJ4000.DBF", true},     {"1SJOURN.DBF", true},
        {"1sconst.dbf", true}, {"SC167.CDX", false}, {"SC167.DBF.bak", false}, {"1Cv7.DD", false},
        {"XY100.DBF", false},  {"S.DBF", false},     {".DBF", false},          {"DBF", false},
        {"SC167DBF", false},   {"2S100.DBF", false}, {"ASC1.DBF", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsPlatformTableFile(c.name), c.table) << c.name;
}

TEST(MatchTableFiles, FindsEachTablesFileInAnyCaseAndTheFilesNotListed) {
    const DictionaryTables dictionary = Tables({Table("SC1", "", {}), Table("dh2", "", {}), Table("1SCONST", "", {}),
                                                Table("RA3", "", {}), Table("XY4", "", {})});
    // Sorted by their bytes, as FilesInFolder gives them.
    const std::vector<std::string> files = {"1SCONST.dbf", "1Cv7.DD", "DH2.DBF", "SC1.CDX", "SC1.DBF",
                                            "SC5.DBF",     "XY4.DBF", "XY7.DBF", "sc1.dbf", "sc6.Dbf"};
    const TableFiles matched = MatchTableFiles(dictionary, files);
    EXPECT_EQ(matched.fileOfTable, (std::vector<std::string>{"SC1.DBF", "DH2.DBF", "1SCONST.dbf", "", "XY4.DBF"}));
    // sc1.dbf is SC1's in another case, XY7.DBF no platform table's name.
    EXPECT_EQ(matched.unlisted, (std::vector<std::string>{"SC5.DBF", "sc6.Dbf"}));
}

TEST(TableOfHeader, GivesTheColumnsAsFieldsWithTheirDictionaryDescriptions) {
    const DictionaryTable described = Table(
        "SC1", "Stores",
        {Field("ID", "ID object", "C", "9"), Field("SP2", Cp(u8"(P)Комментарий"), "C", "300"),
         Field("SP3", "(P)Sum", "N", "14", "2"), Field("SP4", "(P)Date", "D", "8"), Field("SP10", "(P)X", "C", "1")},
        {Index("ID", true, {"ID"}, "ID")});
    const std::string bytes = DbfBuilder()
                                  .Field("ID", 'C', 9)
                                  .Field("SP2", 'C', 300)
                                  .Field("SP3", 'N', 14, 2)
                                  .Field("SP9", 'C', 5)
                                  .Field("sp4", 'D', 8)
                                  .Bytes();
    MemoryRandomAccessSource source(bytes);
    const DictionaryTable table = TableOfHeader(described, ReadDbfHeader(source));
    EXPECT_EQ(table.identifier, "SC1");
    EXPECT_EQ(table.description, "Stores");
    EXPECT_TRUE(table.indexes.empty());
    EXPECT_EQ(table.fields, (std::vector<DictionaryField>{
                                Field("ID", "ID object", "C", "9"), Field("SP2", Cp(u8"(P)Комментарий"), "C", "300"),
                                Field("SP3", "(P)Sum", "N", "14", "2"), Field("SP9", "", "C", "5"),
                                Field("sp4", "(P)Date", "D", "8")}));
}

// The sample base holds on purpose a column the dictionary lacks and a field without a column (SC185), a table
// without a file (RA3060) and a file the dictionary does not list (SC999).
TEST(CompareBaseFolder, FindsWhatTheSampleBaseHoldsOnPurpose) {
    const DictionaryTables dictionary = ReadDictionaryTablesAt(test::SamplePath("base/1Cv7.DD"));
    const BaseFolderDifferences compared = CompareBaseFolder(dictionary, test::SamplePath("base"));
    EXPECT_TRUE(compared.unreadable.empty());
    EXPECT_EQ(Facts(compared.differences),
              (std::vector<std::string>{"~SC185", "  +field SP189", "  -field SP190", "+SC999", "-RA3060"}));
    const TableDifference& goods = compared.differences.tables[0];
    EXPECT_EQ(goods.description, Cp(u8"Справочник Номенклатура"));
    EXPECT_EQ(goods.addedFields[0], Field("SP189", "", "C", "10"));
    EXPECT_EQ(goods.removedFields[0], Field("SP190", Cp(u8"(P)Штрихкод"), "C", "13"));
    EXPECT_EQ(compared.differences.tables[1].description, "");
}

class CompareBaseFolderIn : public ::testing::Test {
protected:
    // SC1 and SC2 as the dictionary describes them; SC3 has no file.
    const DictionaryTables dictionary_ = Tables({
        Table(
            "SC1", "One",
            {Field("ID", "ID object", "C", "9"), Field("CODE", "code", "C", "5"), Field("SP1", "(P)A", "N", "10", "2")},
            {Index("ID", true, {"ID"}, "ID")}),
        Table("SC2", "Two", {Field("ID", "ID object", "C", "9")}),
        Table("SC3", "Three", {Field("ID", "ID object", "C", "9")}),
    });
    test::TempFolder folder_;
};

TEST_F(CompareBaseFolderIn, ComparesColumnsWithFieldsButNotDescriptionsOrIndexes) {
    folder_.Write("sc1.dbf", DbfBuilder().Field("CODE", 'C', 8).Field("ID", 'C', 9).Field("SP1", 'N', 10, 3).Bytes());
    folder_.Write("SC2.DBF", DbfBuilder().Field("ID", 'C', 9).Bytes());
    const BaseFolderDifferences compared = CompareBaseFolder(dictionary_, folder_.Path());
    EXPECT_TRUE(compared.unreadable.empty());
    EXPECT_EQ(Facts(compared.differences),
              (std::vector<std::string>{"~SC1", "  ~field CODE shape", "  ~field SP1 shape", "  moved CODE", "-SC3"}));
    const FieldChange& code = compared.differences.tables[0].changedFields[0];
    EXPECT_EQ(code.before, Field("CODE", "code", "C", "5"));
    EXPECT_EQ(code.after, Field("CODE", "code", "C", "8"));  // the column's description is its field's
}

// A table whose file is no dBase table is neither removed nor compared: nothing is known of its columns. The
// others are compared all the same, and a file the dictionary does not list is added without being read.
TEST_F(CompareBaseFolderIn, ReportsABrokenFileAndComparesTheOthers) {
    folder_.Write("SC1.DBF", "this is no dBase table, only some words of text");
    folder_.Write("SC2.DBF", DbfBuilder().Field("ID", 'C', 9).Field("SP2", 'C', 1).Bytes());
    folder_.Write("SC7.DBF", "nor this");
    const BaseFolderDifferences compared = CompareBaseFolder(dictionary_, folder_.Path());
    ASSERT_EQ(compared.unreadable.size(), 1u);
    EXPECT_EQ(compared.unreadable[0].path, folder_.File("SC1.DBF"));
    EXPECT_EQ(compared.unreadable[0].message,
              "The file is no dBase table: its first byte is 0x74, not a dBase version byte such as 0x03 (dBase III)");
    EXPECT_EQ(Facts(compared.differences), (std::vector<std::string>{"~SC2", "  +field SP2", "+SC7", "-SC3"}));
}

TEST_F(CompareBaseFolderIn, FailsForAFolderThatIsNotThere) {
    EXPECT_THROW(CompareBaseFolder(dictionary_, folder_.File("missing")), Error);
}

}  // namespace
}  // namespace dd
