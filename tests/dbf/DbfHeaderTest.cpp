#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dbf/DbfHeader.h"
#include "dbf/DbfTable.h"
#include "dictionary/Error.h"
#include "support/DbfBuilder.h"

namespace dd {
namespace {

using namespace std::string_literals;

// ID C9, SUM N15.2 and one row: a header of 32 + 2 x 32 + 1 = 97 bytes, records of 1 + 9 + 15 = 25.
std::string SmallTable() {
    return test::DbfBuilder().Field("ID", 'C', 9).Field("SUM", 'N', 15, 2).Row({"     1   ", "-12.50"}).Bytes();
}

std::string With(std::string bytes, size_t at, char value) {
    bytes[at] = value;
    return bytes;
}

// The message of the error that opening the bytes raises; empty when they open.
std::string OpenError(const std::string& bytes) {
    try {
        MemoryRandomAccessSource source(bytes);
        ReadDbfHeader(source);
    } catch (const Error& error) {
        return error.Message();
    }
    return {};
}

DbfHeader Open(const std::string& bytes) {
    MemoryRandomAccessSource source(bytes);
    return ReadDbfHeader(source);
}

TEST(ReadDbfHeader, RefusesWhatIsNoTableSayingWhatIsWrongAndWhatWasExpected) {
    const std::string table = SmallTable();
    std::string longHeader = table;
    longHeader[8] = '\x88';  // 5000 = 0x1388
    longHeader[9] = '\x13';
    struct Case {
        std::string label, bytes, message;
    };
    const Case cases[] = {
        {"empty", "", "The file is empty: a dBase table starts with a header of 32 bytes or more"},
        {"shorter than a header", table.substr(0, 20),
         "The file is 20 bytes long: a dBase table starts with a header of 32 bytes or more"},
        {"one byte", "\x03", "The file is 1 byte long: a dBase table starts with a header of 32 bytes or more"},
        {"a text file", "#AccWare Data Dictionary\r\nD=DDV7120|AccWare Data Dictionary|\r\n",
         "The file is no dBase table: its first byte is 0x23, not a dBase version byte such as 0x03 (dBase III)"},
        {"random bytes", With(table, 0, '\xA7'),
         "The file is no dBase table: its first byte is 0xA7, not a dBase version byte such as 0x03 (dBase III)"},
        {"a zero first byte", With(table, 0, '\0'),
         "The file is no dBase table: its first byte is 0x00, not a dBase version byte such as 0x03 (dBase III)"},
        {"header too short for any descriptor", With(With(table, 8, 20), 9, 0),
         "The header length is 20 bytes as the table says: a dBase header needs at least 33 (32, the field "
         "descriptors and 0x0D)"},
        {"header longer than the file", longHeader,
         "The header is 5000 bytes long as the table says, but the file holds only 123 bytes"},
        {"no 0x0D after the descriptors", With(table, 96, '\0'),
         "The field descriptors do not end with 0x0D within the header's 97 bytes"},
        {"no fields", test::DbfBuilder().Bytes(),
         "The table has no fields: its descriptors end at once, where a dBase table describes one or more"},
        {"record length one more than the fields", With(table, 10, 26),
         "The record length is 26 bytes as the header says, but the fields need 25 (1 for the deleted flag + 24)"},
        {"record length without the deleted flag", With(table, 10, 24),
         "The record length is 24 bytes as the header says, but the fields need 25 (1 for the deleted flag + 24)"},
    };
    for (const Case& c : cases) EXPECT_EQ(OpenError(c.bytes), c.message) << c.label;
}

TEST(ReadDbfHeader, TakesTheCommonDbaseVersionBytes) {
    for (const char version : {'\x02', '\x03', '\x04', '\x05', '\x30', '\x83', '\x8B', '\xF5'}) {
        EXPECT_EQ(OpenError(With(SmallTable(), 0, version)), "") << static_cast<int>(static_cast<uint8_t>(version));
    }
}

TEST(ReadDbfHeader, GivesTheColumnsWithTheirPlaceInTheRecord) {
    const DbfHeader header = Open(SmallTable());
    EXPECT_EQ(header.version, 0x03);
    EXPECT_EQ(header.lastUpdate.year, 2024);
    EXPECT_EQ(header.lastUpdate.month, 3);
    EXPECT_EQ(header.lastUpdate.day, 15);
    EXPECT_EQ(header.recordCount, 1u);
    EXPECT_EQ(header.headerLength, 97u);
    EXPECT_EQ(header.recordLength, 25u);
    EXPECT_EQ(header.codePage, 0);
    ASSERT_EQ(header.columns.size(), 2u);
    EXPECT_EQ(header.columns[0].name, "ID");
    EXPECT_EQ(header.columns[0].type, 'C');
    EXPECT_EQ(header.columns[0].offset, 1u);
    EXPECT_EQ(header.columns[0].length, 9u);
    EXPECT_EQ(header.columns[1].name, "SUM");
    EXPECT_EQ(header.columns[1].type, 'N');
    EXPECT_EQ(header.columns[1].offset, 10u);
    EXPECT_EQ(header.columns[1].length, 15u);
    EXPECT_EQ(header.columns[1].decimals, 2);
}

// A real catalog's "(P)Comment", C 300 in its dictionary, is stored as length 44 with 1 in the decimals' place,
// and its record length counts 300; a number's decimals stay decimals.
TEST(ReadDbfHeader, TakesTheHighByteOfATextLengthFromTheDecimalsPlace) {
    const std::string bytes = test::DbfBuilder()
                                  .Field("ID", 'C', 9)
                                  .Field("SP169", 'C', 300)
                                  .Field("SP170", 'N', 14, 2)
                                  .Field("SP171", 'C', 256)
                                  .Row({"     1   ", "long comment", "-12.50", "x"})
                                  .Bytes();
    EXPECT_EQ(bytes[32 + 32 + 16], '\x2C');  // 44
    EXPECT_EQ(bytes[32 + 32 + 17], '\x01');
    const DbfHeader header = Open(bytes);
    ASSERT_EQ(header.columns.size(), 4u);
    EXPECT_EQ(header.columns[1].length, 300u);
    EXPECT_EQ(header.columns[1].decimals, 0);
    EXPECT_EQ(header.columns[2].offset, 310u);
    EXPECT_EQ(header.columns[2].length, 14u);
    EXPECT_EQ(header.columns[2].decimals, 2);
    EXPECT_EQ(header.columns[3].length, 256u);
    EXPECT_EQ(header.recordLength, 1u + 9 + 300 + 14 + 256);

    // Read as a length of 44 alone, the fields would not fill the record that the header counts.
    std::string asIfOneByte = bytes;
    asIfOneByte[10] = static_cast<char>((1 + 9 + 44 + 14 + 256) & 0xFF);
    asIfOneByte[11] = static_cast<char>((1 + 9 + 44 + 14 + 256) >> 8);
    EXPECT_EQ(
        OpenError(asIfOneByte),
        "The record length is 324 bytes as the header says, but the fields need 580 (1 for the deleted flag + 579)");
}

TEST(ReadDbfHeader, EndsTheDescriptorsAtTheirTerminatorInALongerHeader) {
    // Visual FoxPro leaves 263 bytes after the terminator; other programs a few.
    for (const uint32_t padding : {1u, 31u, 32u, 263u}) {
        const test::DbfBuilder builder =
            test::DbfBuilder().HeaderPadding(padding).Field("ID", 'C', 9).Row({"     7   "});
        const DbfHeader header = Open(builder.Bytes());
        EXPECT_EQ(header.headerLength, 32u + 32 + 1 + padding);
        ASSERT_EQ(header.columns.size(), 1u) << padding;
        EXPECT_EQ(header.columns[0].name, "ID");
    }
}

TEST(ReadDbfHeader, NamesAColumnByItsBytesUpToTheFirstNul) {
    std::string bytes = test::DbfBuilder()
                            .Field("ABCDEFGHIJK", 'C', 1)  // all eleven bytes, no NUL
                            .Field("AB", 'C', 1)
                            .Field("\xCA\xCE\xC4", 'C', 1)  // Cyrillic bytes as stored
                            .Bytes();
    bytes.replace(64 + 3, 2, "XY");  // bytes after the NUL that ends "AB" are not part of the name
    const DbfHeader header = Open(bytes);
    ASSERT_EQ(header.columns.size(), 3u);
    EXPECT_EQ(header.columns[0].name, "ABCDEFGHIJK");
    EXPECT_EQ(header.columns[1].name, "AB");
    EXPECT_EQ(header.columns[2].name, "\xCA\xCE\xC4");
}

}  // namespace
}  // namespace dd
