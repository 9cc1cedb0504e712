#include <gtest/gtest.h>

#include <string>

#include "base/DictionaryTables.h"
#include "dictionary/Error.h"
#include "dictionary/TrimBlanks.h"
#include "support/LoadedDictionary.h"
#include "support/TestPaths.h"
#include "support/TestText.h"

namespace dd {
namespace {

using test::Cp;

TEST(DictionaryTables, HoldEachTablesIdentifierNamesFieldsAndIndexes) {
    const std::string bytes =
        Cp(u8"#==TABLE no 0      : Справочник НаличиеДрагметаллаОборудование\r\n"
           u8"# Name    |Descr                         |Type[A/S/U]|DBTableName|ReUsable\r\n"
           u8"T=SC88    |Справочник НаличиеДрагметалла|A          |SC88       |1\r\n"
           u8"#-----Fields-------\r\n"
           u8"# Name      |Descr               |Type|Length|Precision\r\n"
           u8"F=ID        |ID object           |C   |9     |0\r\n"
           u8"F=SP90      |(P)Вес              |N   |14    |3\r\n"
           u8"#----Indexes------\r\n"
           u8"# Name     |Descr         |Unique|Indexed fields   |DBName\r\n"
           u8"I=ID       |              |1     |ID               |ID\r\n"
           u8"#\r\n"
           u8"#==TABLE no 1\r\n"
           u8"# Name\r\n"
           u8"T=1SCONST |Константы                     |A          |1SCONST    |1\r\n");
    MemorySource source(bytes, 5);
    const DictionaryTables read = ReadDictionaryTables(source, false);
    ASSERT_EQ(read.tables.size(), 2u);
    const DictionaryTable& first = read.tables[0];
    EXPECT_EQ(first.identifier, "SC88");
    EXPECT_EQ(first.description, Cp(u8"Справочник НаличиеДрагметалла"));
    EXPECT_EQ(first.wholeName, Cp(u8"Справочник НаличиеДрагметаллаОборудование"));
    EXPECT_EQ(first.Name(), first.wholeName);
    ASSERT_EQ(first.fields.size(), 2u);
    EXPECT_EQ(first.fields[1], (DictionaryField{"SP90", Cp(u8"(P)Вес"), "N", "14", "3"}));
    ASSERT_EQ(first.indexes.size(), 1u);
    EXPECT_EQ(first.indexes[0].name, "ID");
    const DictionaryTable& second = read.tables[1];
    EXPECT_EQ(second.identifier, "1SCONST");
    EXPECT_EQ(second.wholeName, "");
    EXPECT_EQ(second.Name(), Cp(u8"Константы"));
    EXPECT_EQ(read.Find("sc88"), &first);
    EXPECT_EQ(read.Find("1sconst"), &second);
    EXPECT_EQ(read.Find("SC8"), nullptr);
}

// The stream gives what the viewer shows: every table's identifier as row 1 shows it, trimmed, and its
// fields as its rows; the whole name as the marker line two lines above the table line gives it.
TEST(DictionaryTables, AgreeWithTheViewerOnTheSamplesAndRealDictionaries) {
    std::vector<std::string> paths = {test::SamplePath("1Cv7.DD"), test::SamplePath("1Cv7.DDS")};
    if (test::RealDictionariesPresent()) {
        paths.push_back(test::RealDictionaryPath("artamir__tks__1Cv7.DD"));
        paths.push_back(test::RealDictionaryPath("nasta-sap__cats__1Cv7.DD"));
    }
    for (const std::string& path : paths) {
        const DictionaryTables read = ReadDictionaryTablesAt(path);
        const auto loaded = test::LoadFile(path);
        ASSERT_EQ(read.tables.size(), static_cast<size_t>(loaded->view.List().EntryCount())) << path;
        for (size_t entry = 0; entry < read.tables.size(); ++entry) {
            loaded->Select(static_cast<int32_t>(entry));
            const GridModel& grid = loaded->view.Grid();
            const DictionaryTable& table = read.tables[entry];
            EXPECT_EQ(table.identifier, std::string(TrimBlanks(grid.Cell(0, 1)))) << path << " " << entry;
            EXPECT_EQ(table.fields.size(), static_cast<size_t>(grid.RowCount() - 2)) << path << " " << entry;
            const int32_t markerLine = loaded->view.List().EntryTableLine(static_cast<int32_t>(entry)) - 2;
            const std::string_view marker = loaded->view.Lines().LineAt(markerLine);
            const size_t colon = marker.find(':');
            EXPECT_EQ(table.wholeName, colon == std::string_view::npos ? "" : TrimBlanks(marker.substr(colon + 1)))
                << path << " " << entry;
        }
    }
}

TEST(DictionaryTables, RefuseAFileThatIsNoDictionary) {
    MemorySource source("just text\r\n");
    try {
        ReadDictionaryTables(source, false);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.Message(), "not a data dictionary: no table marker (\"#==TABLE no\") in its first 64 KB");
    }
}

}  // namespace
}  // namespace dd
