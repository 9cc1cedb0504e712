#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "dbf/DbfRowStream.h"
#include "dbf/DbfTable.h"
#include "dictionary/TrimBlanks.h"
#include "fuzz/DbfExercise.h"
#include "platform/FileReading.h"
#include "support/LoadedDictionary.h"
#include "support/TestPaths.h"
#include "support/TestText.h"

namespace dd {
namespace {

std::string BasePath(const std::string& name) { return test::SamplePath("base/" + name); }

DbfTable OpenTable(const std::string& file) { return DbfTable(OpenRandomAccessFile(BasePath(file))); }

std::vector<std::string> TableFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(test::SamplePath("base"))) {
        if (entry.path().extension() == ".DBF") files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Every row of a table, read front to back.
std::vector<DbfRow> AllRows(const DbfTable& table, std::vector<char>& buffer) {
    const DbfRows rows = table.ReadRows(0, static_cast<size_t>(table.RowCount()), buffer);
    std::vector<DbfRow> all;
    for (size_t i = 0; i < rows.Count(); ++i) all.push_back(rows[i]);
    return all;
}

size_t ColumnIndex(const DbfTable& table, const std::string& name) {
    const auto& columns = table.Columns();
    const auto found = std::find_if(columns.begin(), columns.end(), [&](const DbfColumn& c) { return c.name == name; });
    EXPECT_NE(found, columns.end()) << name;
    return static_cast<size_t>(found - columns.begin());
}

// The values of one column of every row.
std::vector<DbfValue> ColumnValues(const std::vector<DbfRow>& rows, size_t column) {
    std::vector<DbfValue> values;
    for (const DbfRow& row : rows) values.push_back(row.Value(column));
    return values;
}

bool HasValue(const std::vector<DbfValue>& values, const DbfValue& value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

TEST(SampleBase, HoldsTablesAsThePlatformWritesThem) {
    const std::vector<std::string> files = TableFiles();
    ASSERT_EQ(files.size(), 9u);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const DbfTable table = OpenTable(file);
        EXPECT_EQ(table.Header().version, 0x03);
        EXPECT_EQ(table.Header().codePage, 0);
        EXPECT_EQ(table.Header().headerLength, 32 + 32 * table.Columns().size() + 1);
        EXPECT_GT(table.RowCount(), 0u);
        EXPECT_FALSE(table.Truncated());
        // One 0x1A right after the last record.
        const uint64_t end = table.RowOffset(table.RowCount());
        EXPECT_EQ(table.Source().Size(), end + 1);
        char last = 0;
        ASSERT_EQ(table.Source().ReadAt(end, &last, 1), 1u);
        EXPECT_EQ(last, '\x1A');
        for (const DbfColumn& column : table.Columns()) {
            EXPECT_TRUE(column.type == 'C' || column.type == 'N' || column.type == 'D') << column.name;
        }
        const FileBytes bytes = ReadWholeFile(BasePath(file));
        EXPECT_EQ(fuzz::ExerciseDbfTable(bytes.View(), 100), "");
    }
}

TEST(SampleBase, KeepsTheCasesAReaderOfABaseMeets) {
    std::vector<char> buffer;
    const DbfTable catalog = OpenTable("SC167.DBF");
    const std::vector<DbfRow> rows = AllRows(catalog, buffer);

    // The comment, C 300 in the dictionary, is stored as 44 with 1 in the decimals' place.
    const size_t comment = ColumnIndex(catalog, "SP169");
    EXPECT_EQ(catalog.Columns()[comment].length, 300u);
    char descriptor[32];
    ASSERT_EQ(catalog.Source().ReadAt(32 + 32 * comment, descriptor, 32), 32u);
    EXPECT_EQ(descriptor[16], 44);
    EXPECT_EQ(descriptor[17], 1);

    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const DbfRow& row) { return row.Deleted(); }), 1);
    EXPECT_TRUE(HasValue(ColumnValues(rows, ColumnIndex(catalog, "SP171")), DbfValue::Null()));
    EXPECT_TRUE(HasValue(ColumnValues(rows, ColumnIndex(catalog, "SP171")), DbfValue::Date("20240229")));
    const std::vector<DbfValue> limits = ColumnValues(rows, ColumnIndex(catalog, "SP170"));
    EXPECT_TRUE(HasValue(limits, DbfValue::Number("-2500.50")));
    EXPECT_TRUE(HasValue(limits, DbfValue::Number("-12.50")));
    EXPECT_TRUE(HasValue(limits, DbfValue::Number("0.01")));
    const std::string quoted = test::Cp(u8"ООО \"Вектор, Плюс\"\tфилиал");
    EXPECT_TRUE(HasValue(ColumnValues(rows, ColumnIndex(catalog, "DESCR")), DbfValue::Text(quoted)));
    EXPECT_EQ(rows[0].Value(ColumnIndex(catalog, "ID")), DbfValue::Text("     1"));
    EXPECT_EQ(rows[0].Bytes(ColumnIndex(catalog, "ID")), "     1   ");

    const DbfTable document = OpenTable("DH3050.DBF");
    EXPECT_EQ(document.Columns()[ColumnIndex(document, "SP3024")].length, 23u);
    EXPECT_EQ(document.Columns()[ColumnIndex(document, "TSP3024")].length, 1u);
}

// What the dictionary says of each table, field by field: name, type, length and precision.
using FieldRows = std::vector<std::vector<std::string>>;

std::map<std::string, FieldRows> DictionaryTables() {
    const auto loaded = test::LoadFile(BasePath("1Cv7.DD"));
    EXPECT_FALSE(loaded->error.has_value());
    std::map<std::string, FieldRows> tables;
    for (int32_t entry = 0; entry < static_cast<int32_t>(loaded->Entries().size()); ++entry) {
        loaded->Select(entry);
        FieldRows fields;
        for (int32_t row = 2; row < loaded->view.Grid().RowCount(); ++row) {
            const auto cells = loaded->Row(row);
            fields.push_back({cells[0], cells[2], cells[3], cells[4]});
        }
        tables[std::string(TrimBlanks(loaded->Row(1)[0]))] = fields;
    }
    return tables;
}

FieldRows FileFields(const DbfTable& table) {
    FieldRows fields;
    for (const DbfColumn& column : table.Columns()) {
        fields.push_back(
            {column.name, std::string(1, column.type), std::to_string(column.length), std::to_string(column.decimals)});
    }
    return fields;
}

TEST(SampleBase, MatchesItsDictionaryButWhereItDiffersOnPurpose) {
    const std::map<std::string, FieldRows> dictionary = DictionaryTables();
    std::set<std::string> listed;
    for (const auto& [identifier, fields] : dictionary) listed.insert(identifier);
    EXPECT_EQ(listed, (std::set<std::string>{"1SCONST", "1SJOURN", "SC167", "SC185", "SC210", "SC215", "DH3050",
                                             "DT3050", "RA3060"}));
    std::set<std::string> inFolder;
    for (const std::string& file : TableFiles()) inFolder.insert(file.substr(0, file.size() - 4));
    // RA3060 is listed without a file; SC999 has a file but is not listed.
    EXPECT_EQ(inFolder.count("RA3060"), 0u);
    EXPECT_EQ(dictionary.count("SC999"), 0u);
    for (const std::string& identifier : inFolder) {
        if (identifier == "SC999") continue;
        SCOPED_TRACE(identifier);
        FieldRows inDictionary = dictionary.at(identifier);
        FieldRows inFile = FileFields(OpenTable(identifier + ".DBF"));
        if (identifier == "SC185") {
            // SP189 is a column that the dictionary lacks; SP190 a field without a column.
            ASSERT_EQ(inFile.size(), 11u);
            EXPECT_EQ(inFile[10][0], "SP189");
            inFile.pop_back();
            ASSERT_EQ(inDictionary.size(), 11u);
            EXPECT_EQ(inDictionary[10][0], "SP190");
            inDictionary.pop_back();
        }
        EXPECT_EQ(inFile, inDictionary);
    }
}

}  // namespace
}  // namespace dd
