#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "cli/Commands.h"
#include "dictionary/Cp1251.h"
#include "fuzz/ReferenceDictionary.h"
#include "fuzz/StreamExercise.h"
#include "platform/FileReading.h"
#include "support/TestPaths.h"
#include <nlohmann/json.hpp>

namespace dd::cli {
namespace {

using Json = nlohmann::ordered_json;

std::string FileBytesAt(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Json Dump(const std::string& path) {
    std::string printed;
    {
        TextOutput out(printed, false);
        const auto bytes = OpenFileStream(path);
        DumpDictionary({path, *bytes}, out);
    }
    return Json::parse(printed);
}

// ddview dump of a file, parsed, is what the byte-by-byte reading of its bytes gives.
void ExpectDumpOfTheReference(const std::string& path) {
    const bool isSql = path.find(".DDS") != std::string::npos;
    const Json dump = Dump(path);
    EXPECT_EQ(dump, fuzz::ReferenceDump(fuzz::ReadReferenceDictionary(FileBytesAt(path)), isSql)) << path;
}

TEST(Dump, OfTheSamplesIsTheirPlainReading) {
    for (const char* sample : {"1Cv7.DD", "1Cv7.DDS"}) ExpectDumpOfTheReference(test::SamplePath(sample));
}

TEST(Dump, OfTheRealDictionariesIsTheirPlainReading) {
    if (!test::RealDictionariesPresent()) GTEST_SKIP() << "real dictionaries not present";
    for (const char* real : {"artamir__tks__1Cv7.DD", "nasta-sap__cats__1Cv7.DD"}) {
        ExpectDumpOfTheReference(test::RealDictionaryPath(real));
    }
    // A few values as a person reads them in the file, so that the reference itself is checked too.
    const Json dump = Dump(test::RealDictionaryPath("artamir__tks__1Cv7.DD"));
    ASSERT_EQ(dump["tables"].size(), 93u);
    const Json& constants = dump["tables"][2];
    EXPECT_EQ(constants["identifier"], "1SCONST    ");
    EXPECT_EQ(constants["fields"][0], (Json{{"name", "OBJID"},
                                            {"description", "ID obj(0-cons )"},
                                            {"type", "C"},
                                            {"length", "9"},
                                            {"precision", "0"}}));
    EXPECT_EQ(constants["indexes"][0], (Json{{"name", "IDD"},
                                             {"description", ""},
                                             {"unique", false},
                                             {"fields", {"ID", "OBJID", "DATE", "TIME", "DOCID", "PARTNO"}},
                                             {"dbName", "IDD"}}));
}

TEST(Dump, KeepsTheEditionsLastIndexColumn) {
    const Json sql = Dump(test::SamplePath("1Cv7.DDS"));
    EXPECT_EQ(sql["edition"], "SQL");
    EXPECT_EQ(sql["tables"][0]["indexes"][0], (Json{{"name", "USRSCNT"},
                                                    {"description", "Key"},
                                                    {"unique", true},
                                                    {"fields", {"USRSCNT"}},
                                                    {"type", "CLUSTERED"}}));
    const Json dbf = Dump(test::SamplePath("1Cv7.DD"));
    EXPECT_EQ(dbf["edition"], "DBF");
    EXPECT_EQ(dbf["tables"][1]["indexes"][1]["dbName"], "CURTIMEX");
    EXPECT_EQ(dbf["tables"][1]["indexes"][1]["fields"], (Json{"CURTIME", "CURDATE"}));
    // Texts are decoded from Windows-1251.
    EXPECT_EQ(dbf["tables"][0]["description"], Utf8FromCp1251("\xD1\xEE\xE5\xE4\xE8\xED\xE5\xED\xE8\xE9"));
}

}  // namespace
}  // namespace dd::cli
