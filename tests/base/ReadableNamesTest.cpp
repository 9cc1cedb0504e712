#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ReadableNames.h"
#include "support/TestText.h"

namespace dd {
namespace {

using test::Cp;

TEST(ReadableFieldName, TakesAPropertysDescriptionAndEveryOtherColumnsName) {
    struct Case {
        std::string column, description, name;
    };
    const Case cases[] = {
        {"SP3019", Cp(u8"(P)Контрагент"), Cp(u8"Контрагент")},
        {"SP3019", Cp(u8"  (P)  Контрагент  "), Cp(u8"Контрагент")},  // trimmed on both sides
        {"SP20", Cp(u8"(P)Сумма (без НДС)"), Cp(u8"Сумма (без НДС)")},
        {"ID", "ID object", "ID"},
        {"PARENTID", "ID parent obj", "PARENTID"},
        {"LINENO_", "LineNo", "LINENO_"},
        {"TSP3024", "Type of SP3024", "TSP3024"},
        {"SP1000", "", "SP1000"},           // a column the dictionary lacks
        {"SP5", "(P)", "SP5"},              // a property without a name keeps the column's
        {"SP6", Cp(u8"(p)Цена"), "SP6"},    // the mark is "(P)" exactly
        {"SP7", Cp(u8"x (P)Цена"), "SP7"},  // and stands at the start
    };
    for (const Case& c : cases) EXPECT_EQ(ReadableFieldName(c.column, c.description), c.name) << c.description;
}

TEST(ReadableColumnNames, AppendTheColumnToNamesThatAreEqualIgnoringCase) {
    struct Case {
        std::string name;
        std::vector<NamedColumn> columns;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"distinct names stay",
         {{"ID", "ID object"}, {"SP1", Cp(u8"(P)Склад")}, {"SP2", Cp(u8"(P)Сумма")}},
         {"ID", Cp(u8"Склад"), Cp(u8"Сумма")}},
        {"two equal properties",
         {{"SP3019", Cp(u8"(P)Контрагент")}, {"SP3120", Cp(u8"(P)Контрагент")}},
         {Cp(u8"Контрагент (SP3019)"), Cp(u8"Контрагент (SP3120)")}},
        {"equal with Cyrillic letters in another case",
         {{"SP3019", Cp(u8"(P)Контрагент")},
          {"SP3120", Cp(u8"(P)КОНТРАГЕНТ")},
          {"SP1", Cp(u8"(P)ёлка")},
          {"SP2", Cp(u8"(P)Ёлка")}},
         {Cp(u8"Контрагент (SP3019)"), Cp(u8"КОНТРАГЕНТ (SP3120)"), Cp(u8"ёлка (SP1)"), Cp(u8"Ёлка (SP2)")}},
        {"a property named as another column",
         {{"CODE", "object code"}, {"SP5", "(P)Code"}},
         {"CODE (CODE)", "Code (SP5)"}},
        {"a property named as another column's own name, whose readable name differs",
         {{"SP5", "(P)SP6"}, {"SP6", Cp(u8"(P)Цена")}},
         {"SP6 (SP5)", Cp(u8"Цена")}},
        {"three of a kind, the fourth apart",
         {{"A", "(P)x"}, {"B", "(P)X"}, {"C", "(P)x"}, {"D", "(P)y"}},
         {"x (A)", "X (B)", "x (C)", "y"}},
        {"no columns", {}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadableColumnNames(c.columns), c.names) << c.name;
}

TEST(ReadableTableNames, AppendTheIdentifierToNamesThatAreEqualIgnoringCase) {
    struct Case {
        std::string name;
        std::vector<NamedTable> tables;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"whole names",
         {{"SC88", Cp(u8"Справочник НаличиеДрагметаллаОборудование")},
          {"SC515", Cp(u8"Справочник НаличиеДрагметаллаОстатки")}},
         {Cp(u8"Справочник НаличиеДрагметаллаОборудование"), Cp(u8"Справочник НаличиеДрагметаллаОстатки")}},
        {"equal names",
         {{"SC1234", Cp(u8"Справочник Склады")},
          {"SC2345", Cp(u8"справочник СКЛАДЫ")},
          {"SC3", Cp(u8"Справочник Цены")}},
         {Cp(u8"Справочник Склады (SC1234)"), Cp(u8"справочник СКЛАДЫ (SC2345)"), Cp(u8"Справочник Цены")}},
        {"no name: the identifier", {{"SC7", "  "}, {"SC8", "x"}}, {"SC7", "x"}},
        {"a name that is another table's identifier", {{"SC7", "SC8"}, {"SC8", "y"}}, {"SC8 (SC7)", "y"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadableTableNames(c.tables), c.names) << c.name;
}

}  // namespace
}  // namespace dd
