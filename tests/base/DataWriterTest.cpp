#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/DataWriter.h"
#include "support/CollectedText.h"
#include "support/DbfBuilder.h"
#include "support/TestText.h"

namespace dd {
namespace {

using test::Cp;

TEST(JsonNumber, WritesTheDigitsAsJsonTakesThem) {
    struct Case {
        std::string digits, json;
    };
    const Case cases[] = {
        {"12", "12"},  {"-12.50", "-12.50"}, {"+7", "7"},
        {".5", "0.5"}, {"-.5", "-0.5"},      {"5.", "5"},
        {"007", "7"},  {"-007.10", "-7.10"}, {"0", "0"},
        {"000", "0"},  {"0.000", "0.000"},   {"99999999999999999999.99", "99999999999999999999.99"},
    };
    for (const Case& c : cases) EXPECT_EQ(JsonNumber(c.digits), c.json) << c.digits;
}

// A table of one row of each kind of value, written in each format.
class DataWriterTest : public ::testing::Test {
protected:
    DataWriterTest() {
        bytes_ = test::DbfBuilder()
                     .Field("ID", 'C', 9)
                     .Field("SP1", 'C', 40)
                     .Field("SP2", 'N', 10, 2)
                     .Field("SP3", 'D', 8)
                     .Field("SP4", 'L', 1)
                     .Row({"     1", Cp(u8"ООО \"Ромашка\", филиал\tюг"), "-12.50", "20240315", "T"})
                     .Row({"     2", "", "", "", "?"}, true)
                     .Bytes();
        table_ = std::make_unique<DbfTable>(std::make_unique<MemoryRandomAccessSource>(bytes_));
        for (size_t i = 0; i < table_->Columns().size(); ++i)
            columns_.push_back({i, &table_->Columns()[i], nullptr, names_[i]});
    }

    std::string Written(DataFormat format, bool deletedColumn) {
        test::CollectedText out;
        {
            DataWriter writer(format, names_, deletedColumn, out);
            writer.Header();
            std::vector<char> buffer;
            const DbfRows rows = table_->ReadRows(0, 2, buffer);
            for (size_t row = 0; row < rows.Count(); ++row) {
                if (rows[row].Deleted() && !deletedColumn) continue;
                writer.Row(rows[row], columns_);
            }
        }
        return out.collected;
    }

    std::string bytes_;
    std::unique_ptr<DbfTable> table_;
    std::vector<std::string> names_ = {"ID", Cp(u8"Контрагент"), Cp(u8"Сумма"), Cp(u8"Дата"), "SP4"};
    std::vector<BaseColumn> columns_;
};

TEST_F(DataWriterTest, WritesTabsWithControlCharactersShownAsReplacements) {
    EXPECT_EQ(Written(DataFormat::kTabs, false),
              reinterpret_cast<const char*>(u8"ID\tКонтрагент\tСумма\tДата\tSP4\n"
                                            u8"     1\tООО \"Ромашка\", филиал\uFFFDюг\t-12.50\t2024-03-15\ttrue\n"));
    EXPECT_EQ(Written(DataFormat::kTabs, true),
              reinterpret_cast<const char*>(u8"deleted\tID\tКонтрагент\tСумма\tДата\tSP4\n"
                                            u8"\t     1\tООО \"Ромашка\", филиал\uFFFDюг\t-12.50\t2024-03-15\ttrue\n"
                                            u8"*\t     2\t\t\t\t\n"));
}

TEST_F(DataWriterTest, WritesCsvQuotedWhereAFieldNeedsIt) {
    EXPECT_EQ(Written(DataFormat::kCsv, true),
              reinterpret_cast<const char*>(u8"deleted,ID,Контрагент,Сумма,Дата,SP4\r\n"
                                            u8",     1,\"ООО \"\"Ромашка\"\", филиал\tюг\",-12.50,2024-03-15,true\r\n"
                                            u8"*,     2,,,,\r\n"));
}

TEST_F(DataWriterTest, WritesJsonLinesWithTypedValues) {
    EXPECT_EQ(Written(DataFormat::kJson, false),
              reinterpret_cast<const char*>(u8"{\"ID\":\"     1\",\"Контрагент\":\"ООО \\\"Ромашка\\\", филиал\\tюг\","
                                            u8"\"Сумма\":-12.50,\"Дата\":\"2024-03-15\",\"SP4\":true}\n"));
    EXPECT_EQ(
        Written(DataFormat::kJson, true),
        reinterpret_cast<const char*>(u8"{\"_deleted\":false,\"ID\":\"     1\",\"Контрагент\":\"ООО \\\"Ромашка\\\", "
                                      u8"филиал\\tюг\",\"Сумма\":-12.50,\"Дата\":\"2024-03-15\",\"SP4\":true}\n"
                                      u8"{\"_deleted\":true,\"ID\":\"     2\",\"Контрагент\":\"\",\"Сумма\":null,"
                                      u8"\"Дата\":null,\"SP4\":null}\n"));
}

}  // namespace
}  // namespace dd
