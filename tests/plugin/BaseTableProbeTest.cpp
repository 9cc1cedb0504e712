#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "plugin/BaseTableProbe.h"
#include "support/TempFolder.h"
#include "support/TestPaths.h"

namespace dd {
namespace {

// A copy of the sample base in a folder of its own, its dictionary named as given.
std::string CopyOfBase(const test::TempFolder& folder, const std::string& dictionaryName) {
    const std::filesystem::path base = test::SamplePath("base");
    for (const auto& entry : std::filesystem::directory_iterator(base)) {
        const std::string name = entry.path().filename().string();
        const std::string target = name == "1Cv7.DD" ? dictionaryName : name;
        if (!dictionaryName.empty() || name != "1Cv7.DD") std::filesystem::copy_file(entry.path(), folder.File(target));
    }
    return folder.Path() + "/";
}

TEST(TakeBaseTable, TakesATableThatTheDictionaryBesideItLists) {
    struct Case {
        std::string dictionaryName, file;
        bool taken;
        std::string identifier;
    };
    const Case cases[] = {
        {"1Cv7.DD", "SC167.DBF", true, "SC167"},
        {"1cv7.dd", "SC167.DBF", true, "SC167"},  // the dictionary in any letter case
        {"1Cv7.DD", "sc185.dbf", true, "SC185"},  // the table too: its file is looked for by the Lister
        {"1Cv7.DD", "SC999.DBF", false, ""},      // a table the dictionary does not list
        {"1Cv7.DD", "1Cv7.DD", false, ""},        // not a .DBF
        {"1Cv7.DDS", "SC167.DBF", false, ""},     // an SQL edition's dictionary has no DBF tables
        {"", "SC167.DBF", false, ""},             // no dictionary
    };
    for (const Case& c : cases) {
        const test::TempFolder folder;
        const std::string base = CopyOfBase(folder, c.dictionaryName);
        DictionaryCache dictionaries;
        const auto taken = TakeBaseTable(base + c.file, dictionaries);
        ASSERT_EQ(taken.has_value(), c.taken) << c.dictionaryName << " " << c.file;
        if (!taken) continue;
        EXPECT_EQ(taken->table->identifier, c.identifier);
        EXPECT_EQ(taken->dictionaryPath, base + c.dictionaryName);
    }
}

TEST(TakeBaseTable, DeclinesQuietlyBesideADictionaryThatCannotBeRead) {
    const test::TempFolder folder;
    const std::string base = CopyOfBase(folder, "1Cv7.DD");
    std::ofstream(base + "1Cv7.DD", std::ios::binary | std::ios::trunc) << "no dictionary at all\r\n";
    DictionaryCache dictionaries;
    EXPECT_FALSE(TakeBaseTable(base + "SC167.DBF", dictionaries));
}

// Walking a base's tables reads its dictionary once while the file stays the same.
TEST(DictionaryCache, KeepsTheTablesWhileTheFileStaysTheSame) {
    const test::TempFolder folder;
    const std::string base = CopyOfBase(folder, "1Cv7.DD");
    DictionaryCache dictionaries;
    const auto first = dictionaries.Tables(base + "1Cv7.DD");
    EXPECT_EQ(dictionaries.Tables(base + "1Cv7.DD"), first);
    std::ofstream(base + "1Cv7.DD", std::ios::binary | std::ios::app) << "\r\n#\r\n";
    const auto changed = dictionaries.Tables(base + "1Cv7.DD");
    EXPECT_NE(changed, first);
    EXPECT_EQ(changed->tables.size(), first->tables.size());
}

}  // namespace
}  // namespace dd
