#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/DictionaryDifferences.h"
#include "cli/DiffText.h"
#include "support/SmallTables.h"
#include "support/TestText.h"

namespace dd::cli {
namespace {

using test::Cp;
using test::Field;
using test::Index;
using test::Table;
using test::Tables;

std::string Utf8(std::u8string_view text) { return {reinterpret_cast<const char*>(text.data()), text.size()}; }

std::string Text(const DictionaryDifferences& differences) {
    std::string printed;
    TextOutput out(printed, false);
    WriteDifferencesText(differences, out);
    return printed;
}

DictionaryTables Before() {
    return Tables({
        Table("SC167", Cp(u8"Справочник Контрагенты"),
              {Field("ID", "ID object", "C", "9"), Field("DESCR", "object description", "C", "50"),
               Field("SP134", Cp(u8"(P)ПолнНаим"), "C", "100"), Field("SP135", Cp(u8"(P)ИНН"), "C", "12"),
               Field("SP136", "(P)Old", "N", "14", "2")},
              {Index("ID", true, {"ID"}, "ID", "Key"), Index("IDD", false, {"DESCR", "ID"}, "IDD"),
               Index("SP135X", false, {"SP135"}, "SP135X")}),
        Table("SC300", Cp(u8"Справочник Сотрудники"), {Field("ID", "ID object", "C", "9")}),
    });
}

TEST(DiffText, WritesEachKindOfFactOnALineOfItsOwn) {
    DictionaryTables after = Before();
    DictionaryTable& counterparties = after.tables[0];
    counterparties.fields[2].length = "150";                           // SP134: shape
    counterparties.fields[3].description = Cp(u8"(P)ИННКонтрагента");  // SP135: description
    counterparties.fields.erase(counterparties.fields.begin() + 4);    // SP136 removed
    counterparties.fields.push_back(Field("SP3019", Cp(u8"(P)Контрагент"), "C", "9"));
    std::swap(counterparties.fields[0], counterparties.fields[1]);  // DESCR before ID
    counterparties.indexes[1].unique = true;
    counterparties.indexes[1].fields = {"DESCR"};
    counterparties.indexes[0].description = "";
    counterparties.indexes.erase(counterparties.indexes.begin() + 2);
    counterparties.indexes.push_back(Index("SP3019X", false, {"SP3019", "ID"}, "SP3019X"));
    after.tables.erase(after.tables.begin() + 1);
    after.tables.insert(after.tables.begin(), Table("SC500", Cp(u8"Справочник Склады"), {}));
    after.tables.push_back(Table("SC501", "", {}));

    EXPECT_EQ(Text(CompareDictionaryTables(Before(), after)),
              Utf8(u8"+ SC500     Справочник Склады\n"
                   u8"~ SC167     Справочник Контрагенты\n"
                   u8"    + SP3019    (P)Контрагент        C 9 0\n"
                   u8"    - SP136     (P)Old               N 14 2\n"
                   u8"    ~ SP134     (P)ПолнНаим          C 100 0 → C 150 0\n"
                   u8"    ~ SP135     (P)ИНН → (P)ИННКонтрагента C 12 0\n"
                   u8"    ~ field order: DESCR moved\n"
                   u8"    + index SP3019X   unique 0  fields SP3019,ID  dbname SP3019X  description \"\"\n"
                   u8"    - index SP135X    unique 0  fields SP135  dbname SP135X  description \"\"\n"
                   u8"    ~ index ID        description Key → \"\"\n"
                   u8"    ~ index IDD       unique 0 → 1  fields DESCR,ID → DESCR\n"
                   u8"+ SC501\n"
                   u8"- SC300     Справочник Сотрудники\n"));
}

TEST(DiffText, ShowsATablesNewDescriptionAndBothSidesOfAChangedOne) {
    DictionaryTables after = Before();
    after.tables[0].description = Cp(u8"Справочник Партнёры");
    after.tables[1].fields[0].length = "10";
    EXPECT_EQ(Text(CompareDictionaryTables(Before(), after)),
              Utf8(u8"~ SC167     Справочник Контрагенты → Справочник Партнёры\n"
                   u8"~ SC300     Справочник Сотрудники\n"
                   u8"    ~ ID        ID object            C 9 0 → C 10 0\n"));
}

// Texts cannot break the columns or steer the terminal; widths count characters, not bytes; a name longer than
// its column keeps a blank after it; an empty value on one side of a change reads "".
TEST(DiffText, KeepsItsColumnsWhateverTheTexts) {
    const DictionaryTables before = Tables({Table("SC1", "a\tb\x1B[31m", {Field("SP1", "", "C", "1")})});
    DictionaryTables after = before;
    after.tables[0].fields.push_back(Field("DATE_TIME_IDDOC", Cp(u8"Дата+Время+Документ!"), "C", "23"));
    after.tables[0].fields.push_back(Field("SP2", "x\ny", "C", "1"));
    after.tables[0].fields[0].description = "(P)New";
    EXPECT_EQ(Text(CompareDictionaryTables(before, after)), Utf8(u8"~ SC1       a\uFFFDb\uFFFD[31m\n"
                                                                 u8"    + DATE_TIME_IDDOC Дата+Время+Документ! C 23 0\n"
                                                                 u8"    + SP2       x\uFFFDy                  C 1 0\n"
                                                                 u8"    ~ SP1       \"\" → (P)New          C 1 0\n"));
}

TEST(DiffText, SaysWhenTheEditionsDifferAndLabelsEachSidesIndexColumn) {
    DictionaryTables after = Before();
    after.isSqlEdition = true;
    after.tables[0].indexes[0].lastColumn = "CLUSTERED";
    after.tables[0].indexes.push_back(Index("SP134X", false, {"SP134"}, "NONCLUSTERED"));
    after.tables[0].indexes.erase(after.tables[0].indexes.begin() + 2);
    EXPECT_EQ(Text(CompareDictionaryTables(Before(), after)),
              Utf8(u8"# DBF edition → SQL edition: the indexes' DBName and Type are not compared\n"
                   u8"~ SC167     Справочник Контрагенты\n"
                   u8"    + index SP134X    unique 0  fields SP134  type NONCLUSTERED  description \"\"\n"
                   u8"    - index SP135X    unique 0  fields SP135  dbname SP135X  description \"\"\n"));
    EXPECT_EQ(Text(CompareDictionaryTables(Before(), Before())), "");
}

}  // namespace
}  // namespace dd::cli
