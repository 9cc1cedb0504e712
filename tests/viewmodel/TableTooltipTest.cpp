#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/Error.h"
#include "support/LoadedDictionary.h"
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewmodel/TableTooltip.h"

namespace dd {
namespace {

using test::Cp;

constexpr char kDbfPath[] = "C:\\base\\1Cv7.DD";
constexpr char kSqlPath[] = "C:\\base\\1Cv7.DDS";

std::string Table(int number, std::string_view tableLine) {
    std::string text = "#==TABLE no ";
    text.append(std::to_string(number)).append("\r\n#\r\n").append(tableLine);
    return text.append("\r\n#\r\n#\r\nF=X|x|C|1|0\r\n#\r\n");
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The identifier of every entry, asked for before any entry is shown, is what row 1 shows once it is.
void ExpectEveryIdentifierAsRowOneShowsIt(const std::string& bytes, const char* path, const std::string& what) {
    const auto loaded = test::LoadBytes(bytes, path);
    ASSERT_FALSE(loaded->error) << what << ": " << loaded->error->Message();
    const int32_t entries = loaded->view.List().EntryCount();
    ASSERT_GT(entries, 0) << what;
    const std::vector<std::string> firstGrid = loaded->Row(1);
    std::vector<std::string> identifiers;
    for (int32_t entry = 0; entry < entries; ++entry) identifiers.push_back(TableIdentifier(loaded->view, entry));
    EXPECT_EQ(loaded->view.List().SelectedIndex(), 0) << what;
    EXPECT_EQ(loaded->Row(1), firstGrid) << what;  // nothing was shown meanwhile
    for (int32_t entry = 0; entry < entries; ++entry) {
        loaded->Select(entry);
        ASSERT_EQ(identifiers[static_cast<size_t>(entry)], loaded->view.Grid().Cell(0, 1))
            << what << ", entry " << entry;
    }
}

TEST(TableIdentifier, IsRowOnesIdentifierForEveryTableOfTheSamplesInBothEditions) {
    for (const char* sample : {"1Cv7.DD", "1Cv7.DDS"}) {
        const std::string bytes = FileText(test::SamplePath(sample));
        for (const char* path : {kDbfPath, kSqlPath}) {
            ExpectEveryIdentifierAsRowOneShowsIt(bytes, path, std::string(sample) + " as " + path);
        }
    }
}

TEST(TableIdentifier, IsRowOnesIdentifierForEveryTableOfTheRealDictionaries) {
    if (!test::RealDictionariesPresent()) GTEST_SKIP() << "real dictionaries not present";
    for (const char* name : {"artamir__tks__1Cv7.DD", "nasta-sap__cats__1Cv7.DD"}) {
        const std::string bytes = FileText(test::RealDictionaryPath(name));
        for (const char* path : {kDbfPath, kSqlPath}) {
            ExpectEveryIdentifierAsRowOneShowsIt(bytes, path, std::string(name) + " as " + path);
        }
    }
}

TEST(TableIdentifier, TakesTheEditionsFieldUntrimmedAsRowOneDoes) {
    struct Case {
        std::string_view tableLine;
        const char* path;
        std::string identifier;
    };
    const Case cases[] = {
        {"T=SC219 |Nomenclature |SC219 |SC219.DBF |1 ", kDbfPath, "SC219.DBF "},
        {"T=SC219 |Nomenclature |SC219 |SC219.DBF |1 ", kSqlPath, "SC219 "},
        {"T=A|first|  A  |  A.DBF  |", kDbfPath, "  A.DBF"},          // the line's own end is trimmed
        {"T=A|first|A", kDbfPath, ""},                                // a field that is not there
        {"T=A|first||A.DBF", kSqlPath, ""},                           // an empty inner field
        {std::string_view("T=A|first|A|A\0B|C", 17), kDbfPath, "A"},  // a zero byte ends the fields
    };
    for (const Case& c : cases) {
        const std::string bytes = Table(0, c.tableLine);
        const auto loaded = test::LoadBytes(bytes, c.path);
        ASSERT_FALSE(loaded->error) << c.tableLine;
        EXPECT_EQ(TableIdentifier(loaded->view, 0), c.identifier) << c.tableLine << " " << c.path;
        EXPECT_EQ(loaded->view.Grid().Cell(0, 1), c.identifier) << c.tableLine << " " << c.path;
    }
}

TEST(TableTooltipText, ShowsTheDescriptionAndTheIdentifierOnTwoLines) {
    struct Case {
        std::string_view tableLine;
        std::string text;
    };
    const Case cases[] = {
        {"T=SC219 |Nomenclature |SC219 |SC219.DBF |1 ", "Nomenclature\r\nSC219.DBF "},
        {"T=A||A|A.DBF", "A.DBF"},  // no description: the identifier alone
        {"T=A|first|A", "first"},   // no identifier: the description alone
        {"T=A|de\tsc|A|A\tDBF", "de sc\r\nA DBF"},
        {"T=A|first|A|A.\x01"
         "DBF",
         "first\r\nA. DBF"},
    };
    for (const Case& c : cases) {
        const auto loaded = test::LoadBytes(Table(0, c.tableLine), kDbfPath);
        ASSERT_FALSE(loaded->error) << c.tableLine;
        EXPECT_EQ(TableTooltipText(loaded->view, 0), c.text) << c.tableLine;
    }
}

// The marker line names the table whole where the table line's description is cut at 30 characters;
// where it names nothing, the description stands.
TEST(TableTooltipText, ShowsTheWholeNameOfTheMarkerLineTwoAboveTheTableLine) {
    const std::string name = Cp(u8"Документ (Мн.ч.) РасходнаяНакладная");
    const std::string cut = Cp(u8"Документ (Мн.ч.) РасходнаяНакл");
    const std::string tableLine = "T=DT1|" + cut + "|DT1|DT1.DBF|1";
    const std::string rest = "\r\n#\r\n#\r\nF=X|x|C|1|0\r\n#\r\n";
    struct Case {
        const char* what;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"the marker's name", "#==TABLE no 12     : " + name + "\r\n# Name |Descr\r\n" + tableLine + rest,
         name + "\r\nDT1.DBF"},
        {"a name that only trims to the description", "#==TABLE no 12: " + cut + "  \r\n#\r\n" + tableLine + rest,
         cut + "\r\nDT1.DBF"},
        {"a name with a tab", "#==TABLE no 3 : A\tB\r\n#\r\n" + tableLine + rest, "A B\r\nDT1.DBF"},
        {"no colon after the number", "#==TABLE no 12 " + name + "\r\n#\r\n" + tableLine + rest, cut + "\r\nDT1.DBF"},
        {"nothing after the colon", "#==TABLE no 12 :   \r\n#\r\n" + tableLine + rest, cut + "\r\nDT1.DBF"},
    };
    for (const Case& c : cases) {
        const auto loaded = test::LoadBytes(c.bytes, kDbfPath);
        ASSERT_FALSE(loaded->error) << c.what;
        ASSERT_EQ(loaded->view.List().EntryCount(), 1) << c.what;
        EXPECT_EQ(TableTooltipText(loaded->view, 0), c.text) << c.what;
        EXPECT_EQ(loaded->view.List().EntryText(0), cut) << c.what;  // the list keeps the description
    }
}

// In dictionaries of our own making and real ones, each whole name is its description, whole where the
// dictionary's column cut it.
TEST(TableWholeName, BeginsWithTheDescriptionAndGoesOnWhereTheDescriptionWasCut) {
    std::vector<std::string> paths = {test::SamplePath("1Cv7.DD"), test::SamplePath("1Cv7.DDS")};
    if (test::RealDictionariesPresent()) {
        paths.push_back(test::RealDictionaryPath("artamir__tks__1Cv7.DD"));
        paths.push_back(test::RealDictionaryPath("nasta-sap__cats__1Cv7.DD"));
    }
    for (const std::string& path : paths) {
        const auto loaded = test::LoadFile(path);
        ASSERT_FALSE(loaded->error) << path;
        int longer = 0;
        for (int32_t entry = 0; entry < loaded->view.List().EntryCount(); ++entry) {
            const std::string description = loaded->view.List().EntryText(entry);
            const std::string_view name = TableWholeName(loaded->view, entry);
            EXPECT_TRUE(name.starts_with(description)) << path << ", entry " << entry;
            longer += name.size() > description.size() ? 1 : 0;
            if (description.size() < 30) {
                EXPECT_EQ(name, description) << path << ", entry " << entry;
            }
        }
        EXPECT_GT(longer, 0) << path << ": no description was cut";
    }
}

TEST(TableTooltipText, TellsTablesOfEqualDescriptionsApart) {
    const std::string description = Cp(u8"Справочник Номенклатура");
    const auto loaded = test::LoadBytes(
        Table(0, "T=SC84|" + description + "|SC84|SC84.DBF") + Table(1, "T=SC219|" + description + "|SC219|SC219.DBF"),
        kDbfPath);
    ASSERT_FALSE(loaded->error);
    EXPECT_EQ(loaded->view.List().EntryText(0), loaded->view.List().EntryText(1));
    EXPECT_EQ(TableTooltipText(loaded->view, 0), description + "\r\nSC84.DBF");
    EXPECT_EQ(TableTooltipText(loaded->view, 1), description + "\r\nSC219.DBF");
}

TEST(TableTooltipText, FailsWithTheListErrorForAnIndexThatIsNoEntry) {
    const auto loaded = test::LoadBytes(Table(0, "T=A|first|A|A.DBF"), kDbfPath);
    for (const int32_t entry : {-1, 1}) {
        EXPECT_THROW((void)TableTooltipText(loaded->view, entry), Error) << entry;
        EXPECT_THROW((void)TableIdentifier(loaded->view, entry), Error) << entry;
    }
}

}  // namespace
}  // namespace dd
