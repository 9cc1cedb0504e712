#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/DictionaryDifferences.h"
#include "support/DifferenceFacts.h"
#include "support/SmallTables.h"
#include "support/TestText.h"

namespace dd {
namespace {

using test::Cp;
using test::Facts;
using test::Field;
using test::Index;
using test::Table;
using test::Tables;

DictionaryTables Before() {
    return Tables({
        Table("SC1", Cp(u8"Справочник Склады"),
              {Field("ID", "ID object", "C", "9"), Field("DESCR", "object description", "C", "25"),
               Field("SP2", Cp(u8"(P)Адрес"), "C", "50"), Field("SP3", Cp(u8"(P)Лимит"), "N", "14", "2")},
              {Index("ID", true, {"ID"}, "ID", "Key"), Index("DESCR", false, {"DESCR(UPPER)"}, "DESCR")}),
        Table("SC4", Cp(u8"Справочник Товары"), {Field("ID", "ID object", "C", "9"), Field("SP5", "(P)X", "C", "9")}),
        Table("DH6", Cp(u8"Документ Продажа"),
              {Field("IDDOC", "ID Document", "C", "9"), Field("SP7", Cp(u8"(P)Сумма"), "N", "15", "2")},
              {Index("IDDOC", true, {"IDDOC"}, "IDDOC")}),
    });
}

DictionaryField& FieldOf(DictionaryTables& tables, size_t table, size_t field) {
    return tables.tables[table].fields[field];
}

TEST(CompareDictionaryTables, FindsEachKindOfChange) {
    using Edit = std::function<void(DictionaryTables & before, DictionaryTables & after)>;
    struct Case {
        std::string name;
        Edit edit;
        std::vector<std::string> facts;
    };
    const Case cases[] = {
        {"equal dictionaries", [](auto&, auto&) {}, {}},
        {"both empty",
         [](auto& before, auto& after) {
             before.tables.clear();
             after.tables.clear();
         },
         {}},
        {"every table added to an empty dictionary, in the new order",
         [](auto& before, auto&) { before.tables.clear(); },
         {"+SC1", "+SC4", "+DH6"}},
        {"every table removed, in the old order",
         [](auto&, auto& after) { after.tables.clear(); },
         {"-SC1", "-SC4", "-DH6"}},
        {"a table added where the new side has it, removed ones last",
         [](auto&, auto& after) {
             after.tables.erase(after.tables.begin());  // SC1
             after.tables.insert(after.tables.begin() + 1, Table("SC9", "New", {Field("ID", "", "C", "9")}));
             std::swap(after.tables[0], after.tables[2]);  // DH6, SC9, SC4
             after.tables[0].fields[1].length = "16";
             after.tables[2].description = "Goods";
         },
         {"~DH6", "  ~field SP7 shape", "+SC9", "~SC4 description", "-SC1"}},
        {"the table's description",
         [](auto&, auto& after) { after.tables[1].description += "x"; },
         {"~SC4 description"}},
        {"a field added and one removed",
         [](auto&, auto& after) {
             auto& fields = after.tables[0].fields;
             fields.erase(fields.begin() + 2);
             fields.push_back(Field("SP8", "(P)New", "D", "8"));
         },
         {"~SC1", "  +field SP8", "  -field SP2"}},
        {"a field's type", [](auto&, auto& after) { FieldOf(after, 0, 2).type = "N"; }, {"~SC1", "  ~field SP2 shape"}},
        {"a field's length",
         [](auto&, auto& after) { FieldOf(after, 0, 2).length = "150"; },
         {"~SC1", "  ~field SP2 shape"}},
        {"a field's precision",
         [](auto&, auto& after) { FieldOf(after, 0, 3).precision = "3"; },
         {"~SC1", "  ~field SP3 shape"}},
        {"a field's description",
         [](auto&, auto& after) { FieldOf(after, 0, 3).description = "(P)Limit"; },
         {"~SC1", "  ~field SP3 description"}},
        {"a field's description and shape in one fact",
         [](auto&, auto& after) {
             FieldOf(after, 0, 3).description = "(P)Limit";
             FieldOf(after, 0, 3).length = "15";
         },
         {"~SC1", "  ~field SP3 description shape"}},
        {"two fields swapped: one moved",
         [](auto&, auto& after) { std::swap(FieldOf(after, 0, 1), FieldOf(after, 0, 2)); },
         {"~SC1", "  moved SP2"}},
        {"the first field put last: that one moved",
         [](auto&, auto& after) {
             auto& fields = after.tables[0].fields;
             std::rotate(fields.begin(), fields.begin() + 1, fields.end());
         },
         {"~SC1", "  moved ID"}},
        {"fields added and removed leave the others' order alone",
         [](auto&, auto& after) {
             auto& fields = after.tables[0].fields;
             fields.erase(fields.begin() + 1);
             fields.insert(fields.begin(), Field("SP8", "", "C", "1"));
         },
         {"~SC1", "  +field SP8", "  -field DESCR"}},
        {"an index added and one removed",
         [](auto&, auto& after) {
             auto& indexes = after.tables[0].indexes;
             indexes.erase(indexes.begin());
             indexes.push_back(Index("SP2X", false, {"SP2", "ID"}, "SP2X"));
         },
         {"~SC1", "  +index SP2X", "  -index ID"}},
        {"an index's uniqueness",
         [](auto&, auto& after) { after.tables[0].indexes[1].unique = true; },
         {"~SC1", "  ~index DESCR unique"}},
        {"an index's fields",
         [](auto&, auto& after) { after.tables[0].indexes[1].fields.push_back("ID"); },
         {"~SC1", "  ~index DESCR fields"}},
        {"an index's fields in another order",
         [](auto& before, auto& after) {
             before.tables[0].indexes[1].fields = {"DESCR", "ID"};
             after.tables[0].indexes[1].fields = {"ID", "DESCR"};
         },
         {"~SC1", "  ~index DESCR fields"}},
        {"an index's DBName",
         [](auto&, auto& after) { after.tables[0].indexes[1].lastColumn = "DESCRX"; },
         {"~SC1", "  ~index DESCR last"}},
        {"an index's description",
         [](auto&, auto& after) { after.tables[0].indexes[0].description = ""; },
         {"~SC1", "  ~index ID description"}},
        {"letter case of names is no change",
         [](auto&, auto& after) {
             after.tables[0].identifier = "sc1";
             FieldOf(after, 0, 1).name = "Descr";
             FieldOf(after, 0, 2).type = "c";
             after.tables[0].indexes[1].name = "descr";
             after.tables[0].indexes[1].fields = {"descr(upper)"};
             after.tables[0].indexes[1].lastColumn = "Descr";
             after.tables[2].identifier = "dh6";
         },
         {}},
        {"Cyrillic letter case of names is no change",
         [](auto& before, auto& after) {
             before.tables[1].fields[1].name = Cp(u8"ПОЛЕЁ");
             after.tables[1].fields[1].name = Cp(u8"полеё");
         },
         {}},
        {"but letter case in a description is",
         [](auto&, auto& after) { FieldOf(after, 0, 2).description = Cp(u8"(P)адрес"); },
         {"~SC1", "  ~field SP2 description"}},
        {"lengths and precisions are numbers",
         [](auto&, auto& after) {
             FieldOf(after, 0, 2).length = "050";
             FieldOf(after, 0, 2).precision = "00";
         },
         {}},
        {"a name that comes twice goes with its first, then its second",
         [](auto& before, auto& after) {
             before.tables[1].fields.push_back(Field("SP5", "(P)Y", "C", "10"));
             after.tables[1].fields.push_back(Field("SP5", "(P)Y", "C", "12"));
         },
         {"~SC4", "  ~field SP5 shape"}},
        {"a table that comes twice likewise",
         [](auto& before, auto& after) {
             before.tables.push_back(before.tables[1]);
             after.tables.push_back(after.tables[1]);
             after.tables.back().description = "second";
         },
         {"~SC4 description"}},
    };
    for (const Case& c : cases) {
        DictionaryTables before = Before();
        DictionaryTables after = Before();
        c.edit(before, after);
        const DictionaryDifferences differences = CompareDictionaryTables(before, after);
        EXPECT_EQ(Facts(differences), c.facts) << c.name;
        EXPECT_EQ(differences.Empty(), c.facts.empty()) << c.name;
    }
}

TEST(CompareDictionaryTables, LeavesOutThePartsNotCompared) {
    DictionaryTables after = Before();
    after.tables[0].description = "Stores";
    FieldOf(after, 0, 2).description = "(P)Address";
    FieldOf(after, 0, 3).length = "15";
    after.tables[0].indexes.clear();
    after.tables[2].indexes[0].unique = false;
    EXPECT_EQ(Facts(CompareDictionaryTables(Before(), after, {.descriptions = false, .indexes = true})),
              (std::vector<std::string>{"~SC1", "  ~field SP3 shape", "  -index ID", "  -index DESCR", "~DH6",
                                        "  ~index IDDOC unique"}));
    EXPECT_EQ(Facts(CompareDictionaryTables(Before(), after, {.descriptions = true, .indexes = false})),
              (std::vector<std::string>{"~SC1 description", "  ~field SP2 description", "  ~field SP3 shape"}));
    EXPECT_EQ(Facts(CompareDictionaryTables(Before(), after, {.descriptions = false, .indexes = false})),
              (std::vector<std::string>{"~SC1", "  ~field SP3 shape"}));
}

// DBName (DBF edition) and Type (SQL edition) are different columns: comparing them would change every index.
TEST(CompareDictionaryTables, ComparesEditionsButNotTheirIndexesLastColumns) {
    DictionaryTables after = Before();
    after.isSqlEdition = true;
    for (DictionaryTable& table : after.tables) {
        for (TableIndex& index : table.indexes) index.lastColumn = "CLUSTERED";
    }
    DictionaryDifferences differences = CompareDictionaryTables(Before(), after);
    EXPECT_TRUE(differences.EditionsDiffer());
    EXPECT_FALSE(differences.Empty());
    EXPECT_TRUE(differences.tables.empty());

    after.tables[0].indexes[0].unique = false;
    differences = CompareDictionaryTables(Before(), after);
    EXPECT_EQ(Facts(differences), (std::vector<std::string>{"~SC1", "  ~index ID unique"}));
    EXPECT_FALSE(differences.beforeIsSql);
    EXPECT_TRUE(differences.afterIsSql);
}

TEST(CompareDictionaryTables, KeepsBothSidesOfAChange) {
    const DictionaryTables before = Before();
    DictionaryTables after = Before();
    FieldOf(after, 0, 2) = Field("sp2", "(P)Address", "C", "60");
    after.tables[0].indexes[1].unique = true;
    after.tables[0].description = "Stores";
    const DictionaryDifferences differences = CompareDictionaryTables(before, after);
    ASSERT_EQ(differences.tables.size(), 1u);
    const TableDifference& table = differences.tables[0];
    EXPECT_EQ(table.descriptionBefore, Cp(u8"Справочник Склады"));
    EXPECT_EQ(table.description, "Stores");
    ASSERT_EQ(table.changedFields.size(), 1u);
    EXPECT_EQ(table.changedFields[0].before, before.tables[0].fields[2]);
    EXPECT_EQ(table.changedFields[0].after, Field("sp2", "(P)Address", "C", "60"));
    ASSERT_EQ(table.changedIndexes.size(), 1u);
    EXPECT_FALSE(table.changedIndexes[0].before.unique);
    EXPECT_TRUE(table.changedIndexes[0].after.unique);
}

}  // namespace
}  // namespace dd
