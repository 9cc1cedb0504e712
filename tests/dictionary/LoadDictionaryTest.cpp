#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/LoadedDictionary.h"
#include "support/TestPaths.h"
#include "support/TestText.h"

namespace dd {
namespace {

using test::Cp;
using test::LoadFile;

// The edition is the file's own extension in any letter case; the folders play no part, so a real 1Cv7.DDS
// saved as 1cv7.dds keeps its identifiers, and a 1Cv7.DD in a folder named old.DDS.bak keeps its own.
TEST(LoadDictionary, DecidesTheEditionByTheFilesOwnExtensionInAnyCase) {
    struct Case {
        std::string path;
        bool sql;
    };
    const Case cases[] = {
        {"C:\\base\\1Cv7.DDS", true},
        {"C:\\base\\1cv7.dds", true},
        {"C:\\base\\x.Dds", true},
        {"/home/u/base/1cv7.dds", true},
        {"C:\\x.DDS\\1Cv7.DD", false},
        {"C:\\old.DDS.bak\\1Cv7.DD", false},
        {"/srv/old.DDS.bak/1Cv7.DD", false},
        {"C:\\base\\1Cv7.DD", false},
        {"C:\\base\\1Cv7.DDS.bak", false},
        {"C:\\base\\DDS", false},
        {"1Cv7.DDS", true},
    };
    for (const auto& c : cases) {
        const auto loaded = test::LoadBytes("#==TABLE no 1\n#\nT|a|b|c\n", c.path);
        EXPECT_EQ(loaded->view.IsSqlEdition(), c.sql) << c.path;
    }
}

TEST(LoadDictionary, ReportsFileErrorsWithTheirMessages) {
    const auto missing = LoadFile(test::SamplePath("no-such-file.DD"));
    ASSERT_TRUE(missing->error);
    EXPECT_EQ(missing->error->Message(), "File not found");
    EXPECT_EQ(missing->error->IoCode(), 2);
    EXPECT_EQ(missing->view.Grid().Cell(0, 0),
              Cp(u8"Идентификатор"));  // the captions are written before the file is opened

    const auto folder = LoadFile(test::SamplePath(""));
    ASSERT_TRUE(folder->error);
    EXPECT_EQ(folder->error->Message(), "File access denied");

    const auto missingFolder = LoadFile(test::SamplePath("no-such-folder/1Cv7.DD"));
    ASSERT_TRUE(missingFolder->error);
    EXPECT_EQ(missingFolder->error->Message(), "Invalid filename");
}

TEST(LoadDictionary, AnEmptyFileCannotBeOpened) {
    const std::string path = test::TempPath("dd-empty-1Cv7.DD");
    std::ofstream(path).close();
    const auto loaded = LoadFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(loaded->error);
    EXPECT_EQ(loaded->error->Message(), "List index out of bounds (-1)");
}

TEST(IoErrorMessage, NamesTheKnownCodesAndNumbersTheOthers) {
    EXPECT_EQ(IoErrorMessage(2), "File not found");
    EXPECT_EQ(IoErrorMessage(3), "Invalid filename");
    EXPECT_EQ(IoErrorMessage(4), "Too many open files");
    EXPECT_EQ(IoErrorMessage(5), "File access denied");
    EXPECT_EQ(IoErrorMessage(100), "Read beyond end of file");
    EXPECT_EQ(IoErrorMessage(101), "Disk full");
    EXPECT_EQ(IoErrorMessage(106), "Invalid numeric input");
    EXPECT_EQ(IoErrorMessage(32), "I/O error 32");
    EXPECT_EQ(IoErrorMessage(0), "I/O error 0");
    EXPECT_EQ(IoErrorMessage(kIoNotEnoughMemory), kNotEnoughMemoryMessage);
}

TEST(LoadDictionary, OpensTheSamples) {
    const auto dbf = LoadFile(test::SamplePath("1Cv7.DD"));
    ASSERT_FALSE(dbf->error) << dbf->error->Message();
    EXPECT_EQ(dbf->view.List().EntryCount(), 21);
    EXPECT_EQ(dbf->view.List().EntryText(0), Cp(u8"Соединений"));
    EXPECT_EQ(dbf->Row(1)[0], "1SUSERS    ");  // the identifier keeps the padding of its field

    const auto sql = LoadFile(test::SamplePath("1Cv7.DDS"));
    ASSERT_FALSE(sql->error) << sql->error->Message();
    EXPECT_TRUE(sql->view.IsSqlEdition());
    EXPECT_EQ(sql->Row(1)[1], Cp(u8"Идентификатор SQL-таблицы"));
}

// Every entry of a real dictionary shows the table of its own block: the identifier of its
// table line and the first field line below it.
TEST(LoadDictionary, ShowsEveryTableOfTheRealDictionaries) {
    if (!test::RealDictionariesPresent()) GTEST_SKIP() << "real dictionaries not present";
    struct Case {
        std::string file;
        int32_t tables;
    };
    for (const Case& c : {Case{"artamir__tks__1Cv7.DD", 93}, Case{"nasta-sap__cats__1Cv7.DD", 34}}) {
        const auto loaded = LoadFile(test::RealDictionaryPath(c.file));
        ASSERT_FALSE(loaded->error) << c.file;
        ASSERT_EQ(loaded->view.List().EntryCount(), c.tables) << c.file;
        for (int32_t entry = 0; entry < c.tables; ++entry) {
            loaded->Select(entry);
            const int32_t tableLine = loaded->view.List().EntryTableLine(entry);
            const std::string_view line = loaded->view.Lines().LineAt(tableLine);
            ASSERT_EQ(line.substr(0, 2), "T=") << c.file << " entry " << entry;
            const std::string id(line.substr(2, line.find(' ') - 2));
            const std::string_view dbName = line.substr(line.find('|', line.find('|', line.find('|') + 1) + 1) + 1);
            EXPECT_EQ(loaded->view.Grid().Cell(0, 1), dbName.substr(0, dbName.find('|')))
                << c.file << " entry " << entry;
            EXPECT_EQ(loaded->view.Grid().Cell(1, 1), Cp(u8"Идентификатор DBF-таблицы"));
            EXPECT_GE(loaded->view.Grid().RowCount(), 3) << c.file << " " << id;
        }
    }
}

}  // namespace
}  // namespace dd
