#include <gtest/gtest.h>

#include <string>

#include "base/DictionaryDifferences.h"
#include "cli/DiffJson.h"
#include "support/SmallTables.h"
#include "support/TestText.h"
#include <nlohmann/json.hpp>

namespace dd::cli {
namespace {

using test::Cp;
using test::Field;
using test::Index;
using test::Table;
using test::Tables;
using Json = nlohmann::ordered_json;

std::string Printed(const DictionaryDifferences& differences, const std::string& oldPath = "old/1Cv7.DD",
                    const std::string& newPath = "new/1Cv7.DD") {
    std::string printed;
    TextOutput out(printed, false);
    WriteDifferencesJson(differences, oldPath, newPath, out);
    return printed;
}

std::string Utf8(std::u8string_view text) { return {reinterpret_cast<const char*>(text.data()), text.size()}; }

DictionaryTables Before() {
    return Tables({
        Table("SC1", Cp(u8"Справочник Склады"),
              {Field("ID", "ID object", "C", "9"), Field("SP2", Cp(u8"(P)Адрес"), "C", "50"),
               Field("SP3", "(P)Limit", "N", "14", "2")},
              {Index("ID", true, {"ID"}, "ID", "Key"), Index("SP2X", false, {"SP2", "ID"}, "SP2X")}),
        Table("SC4", "Goods", {Field("ID", "ID object", "C", "9")}),
    });
}

Json FieldJson(const char* name, const std::string& description, const char* type, const char* length,
               const char* precision) {
    return {{"name", name}, {"description", description}, {"type", type}, {"length", length}, {"precision", precision}};
}

TEST(DiffJson, HoldsTheSameFactsAsTheText) {
    DictionaryTables after = Before();
    after.tables[0].description = "Stores";
    after.tables[0].fields[1].length = "60";
    after.tables[0].fields.erase(after.tables[0].fields.begin() + 2);
    after.tables[0].fields.insert(after.tables[0].fields.begin(), Field("SP5", "(P)New", "D", "8"));
    after.tables[0].indexes[1].unique = true;
    after.tables[0].indexes.erase(after.tables[0].indexes.begin());
    after.tables[0].indexes.push_back(Index("SP5X", false, {"SP5"}, "SP5X"));
    after.tables[1].fields.push_back(Field("SP6", "", "C", "1"));
    after.tables.push_back(Table("SC7", Cp(u8"Справочник Новый"), {}));

    const Json printed = Json::parse(Printed(CompareDictionaryTables(Before(), after)));
    const Json expected = {
        {"old", "old/1Cv7.DD"},
        {"new", "new/1Cv7.DD"},
        {"added", {{{"identifier", "SC7"}, {"description", Utf8(u8"Справочник Новый")}}}},
        {"removed", Json::array()},
        {"changed",
         {{{"identifier", "SC1"},
           {"description", {{"old", Utf8(u8"Справочник Склады")}, {"new", "Stores"}}},
           {"fields",
            {{"added", {FieldJson("SP5", "(P)New", "D", "8", "0")}},
             {"removed", {FieldJson("SP3", "(P)Limit", "N", "14", "2")}},
             {"changed",
              {{{"name", "SP2"},
                {"old", FieldJson("SP2", Utf8(u8"(P)Адрес"), "C", "50", "0")},
                {"new", FieldJson("SP2", Utf8(u8"(P)Адрес"), "C", "60", "0")}}}},
             {"reordered", false}}},
           {"indexes",
            {{"added",
              {{{"name", "SP5X"}, {"description", ""}, {"unique", false}, {"fields", {"SP5"}}, {"dbName", "SP5X"}}}},
             {"removed",
              {{{"name", "ID"}, {"description", "Key"}, {"unique", true}, {"fields", {"ID"}}, {"dbName", "ID"}}}},
             {"changed",
              {{{"name", "SP2X"},
                {"old",
                 {{"name", "SP2X"},
                  {"description", ""},
                  {"unique", false},
                  {"fields", {"SP2", "ID"}},
                  {"dbName", "SP2X"}}},
                {"new",
                 {{"name", "SP2X"},
                  {"description", ""},
                  {"unique", true},
                  {"fields", {"SP2", "ID"}},
                  {"dbName", "SP2X"}}}}}}}}},
          {{"identifier", "SC4"},
           {"fields",
            {{"added", {FieldJson("SP6", "", "C", "1", "0")}},
             {"removed", Json::array()},
             {"changed", Json::array()},
             {"reordered", false}}},
           {"indexes", {{"added", Json::array()}, {"removed", Json::array()}, {"changed", Json::array()}}}}}},
    };
    EXPECT_EQ(printed, expected);
}

// Like dump, one table per line, so that a diff of two outputs shows the tables that differ.
TEST(DiffJson, PutsEachTableOnALineOfItsOwn) {
    DictionaryTables after = Before();
    std::swap(after.tables[0].fields[1], after.tables[0].fields[2]);
    after.tables.erase(after.tables.begin() + 1);
    after.tables.push_back(Table("SC8", "", {}));
    EXPECT_EQ(Printed(CompareDictionaryTables(Before(), after)),
              "{\"old\":\"old/1Cv7.DD\",\"new\":\"new/1Cv7.DD\",\n"
              "\"added\":[\n"
              "{\"identifier\":\"SC8\",\"description\":\"\"}],\n"
              "\"removed\":[\n"
              "{\"identifier\":\"SC4\",\"description\":\"Goods\"}],\n"
              "\"changed\":[\n"
              "{\"identifier\":\"SC1\",\"fields\":{\"added\":[],\"removed\":[],\"changed\":[],\"reordered\":true},"
              "\"indexes\":{\"added\":[],\"removed\":[],\"changed\":[]}}]}\n");
    EXPECT_EQ(Printed(CompareDictionaryTables(Before(), Before())),
              "{\"old\":\"old/1Cv7.DD\",\"new\":\"new/1Cv7.DD\",\n\"added\":[],\n\"removed\":[],\n\"changed\":[]}\n");
}

TEST(DiffJson, NamesTheEditionsWhenTheyDifferAndEachSidesIndexColumn) {
    DictionaryTables after = Before();
    after.isSqlEdition = true;
    after.tables[0].indexes[0].lastColumn = "CLUSTERED";
    after.tables[0].indexes[1].unique = true;
    const Json printed = Json::parse(Printed(CompareDictionaryTables(Before(), after)));
    EXPECT_EQ(printed["edition"], (Json{{"old", "DBF"}, {"new", "SQL"}}));
    const Json& change = printed["changed"][0]["indexes"]["changed"][0];
    EXPECT_EQ(change["old"]["dbName"], "SP2X");
    EXPECT_EQ(change["new"]["type"], "SP2X");
    EXPECT_EQ(printed["changed"][0]["indexes"]["changed"].size(), 1u);  // ID's DBName and Type are not compared
    EXPECT_FALSE(Json::parse(Printed(CompareDictionaryTables(Before(), Before()))).contains("edition"));
}

// A path from the command line may hold bytes that are not UTF-8: the document stays valid JSON.
TEST(DiffJson, KeepsAPathThatIsNotUtf8Readable) {
    const Json printed = Json::parse(Printed(CompareDictionaryTables(Before(), Before()), "old\xFF.DD", "new"));
    EXPECT_EQ(printed["old"], Utf8(u8"old\uFFFD.DD"));
}

}  // namespace
}  // namespace dd::cli
