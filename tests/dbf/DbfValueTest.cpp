#include <gtest/gtest.h>

#include <string>

#include "dbf/DbfValue.h"

namespace dd {
namespace {

using namespace std::string_literals;

constexpr auto kNull = DbfValueKind::Null;
constexpr auto kText = DbfValueKind::Text;
constexpr auto kNumber = DbfValueKind::Number;
constexpr auto kDate = DbfValueKind::Date;
constexpr auto kLogical = DbfValueKind::Logical;

TEST(DecodeDbfValue, DecodesEachTypeByItsRule) {
    struct Case {
        char type;
        std::string bytes;
        DbfValueKind kind;
        std::string text;
    };
    const Case cases[] = {
        // Text: the trailing blanks and NULs are padding; leading blanks are part of an identifier.
        {'C', "     1   ", kText, "     1"},
        {'C', "\xCA\xEE\xED\xF2\xF0\xE0\xE3\xE5\xED\xF2   ", kText, "\xCA\xEE\xED\xF2\xF0\xE0\xE3\xE5\xED\xF2"},
        {'C', "abc\0\0\0"s, kText, "abc"},
        {'C', "abc \0 \0"s, kText, "abc"},
        {'C', "a\0b  "s, kText, "a\0b"s},  // a NUL inside stays
        {'C', "         ", kText, ""},     // an empty text, not a null
        {'C', "", kText, ""},
        {'C', "\"a, b\"\tc  ", kText, "\"a, b\"\tc"},
        {'C', std::string(300, ' '), kText, ""},
        {'C', "x" + std::string(299, ' '), kText, "x"},
        {'C', std::string(17, 'y') + std::string(8, '\0') + std::string(8, ' ') + " \0 \0"s, kText,
         std::string(17, 'y')},
        {'C', std::string(8, ' ') + "z" + std::string(16, ' '), kText, std::string(8, ' ') + "z"},
        // Numbers: the digits as written, exact; blank is null.
        {'N', "        -12.50", kNumber, "-12.50"},
        {'N', "          1234", kNumber, "1234"},
        {'N', "0.1000000000000000055511", kNumber, "0.1000000000000000055511"},
        {'N', "   12345678901234567890", kNumber, "12345678901234567890"},
        {'N', "    0", kNumber, "0"},
        {'N', "   .5", kNumber, ".5"},
        {'N', "  +7 ", kNumber, "+7"},
        {'N', "  7\0\0"s, kNumber, "7"},
        {'N', "              ", kNull, ""},
        {'N', "", kNull, ""},
        {'N', "\0\0\0"s, kNull, ""},
        {'N', "  *****", kText, "*****"},  // an overflow as other programs write it is no number
        {'N', " 1 000", kText, "1 000"},
        {'N', " 1.2.3", kText, "1.2.3"},
        {'N', "     -", kText, "-"},
        {'N', "    1e5", kText, "1e5"},
        // Dates: YYYYMMDD with a real day becomes YYYY-MM-DD; blank is null; anything else stays text.
        {'D', "20240315", kDate, "2024-03-15"},
        {'D', "19991231", kDate, "1999-12-31"},
        {'D', "20240229", kDate, "2024-02-29"},
        {'D', "20000229", kDate, "2000-02-29"},
        {'D', "        ", kNull, ""},
        {'D', "\0\0\0\0\0\0\0\0"s, kNull, ""},
        {'D', "20230229", kText, "20230229"},  // no 29 February in 2023
        {'D', "21000229", kText, "21000229"},
        {'D', "20241301", kText, "20241301"},
        {'D', "20240100", kText, "20240100"},
        {'D', "00000000", kText, "00000000"},
        {'D', "2024-3-1", kText, "2024-3-1"},
        {'D', "2024031 ", kText, "2024031"},
        {'D', " 2024031", kText, " 2024031"},
        {'D', "garbage ", kText, "garbage"},
        // Logicals.
        {'L', "T", kLogical, "true"},
        {'L', "t", kLogical, "true"},
        {'L', "Y", kLogical, "true"},
        {'L', "y", kLogical, "true"},
        {'L', "F", kLogical, "false"},
        {'L', "f", kLogical, "false"},
        {'L', "N", kLogical, "false"},
        {'L', "n", kLogical, "false"},
        {'L', " ", kNull, ""},
        {'L', "?", kNull, ""},
        {'L', "\0"s, kNull, ""},
        {'L', "X", kText, "X"},
        // Any other type: its bytes as stored, padding and all.
        {'M', "        12", kText, "        12"},
        {'F', "  1.5 ", kText, "  1.5 "},
        {'I', "\x01\0\0\0"s, kText, "\x01\0\0\0"s},
    };
    for (const Case& c : cases) {
        const DbfValue value = DecodeDbfValue(c.type, c.bytes);
        EXPECT_EQ(value.Kind(), c.kind) << c.type << " [" << c.bytes << "]";
        EXPECT_EQ(value.Text(), c.text) << c.type << " [" << c.bytes << "]";
        EXPECT_EQ(value.IsNull(), c.kind == kNull) << c.type << " [" << c.bytes << "]";
    }
}

// Numbers are checked eight bytes at a time where the field is long enough: each text, placed anywhere in fields
// of every width it fits, must be read as the plain rule reads it.
TEST(DecodeDbfValue, ReadsANumberAlikeWhereverItStandsInAFieldOfAnyWidth) {
    struct Case {
        std::string text;
        bool number;
    };
    const Case cases[] = {
        {"1", true},
        {"-12.50", true},
        {"+7", true},
        {".5", true},
        {"5.", true},
        {"1234567", true},
        {"12345678", true},
        {"-1234567.8901234", true},
        {"123456789012345678901", true},
        {"-", false},
        {"+", false},
        {".", false},
        {"-.", false},
        {"1.2.3", false},
        {"1 2", false},
        {"1\0"
         "2"s,
         false},  // a NUL inside
        {"12-3", false},
        {"--1", false},
        {"-+1", false},
        {"1e5", false},
        {"1,5", false},
        {"*****", false},
        {"\xB9"
         "1",
         false},  // a byte above 0x7F before a digit
        {"1\xB0"
         "0",
         false},  // and between two
        {"12345678\xC0", false},
        {"/", false},  // the bytes just below and above the digits
        {":", false},
    };
    for (const Case& c : cases) {
        for (size_t width = c.text.size(); width <= c.text.size() + 17; ++width) {
            for (size_t before = 0; before <= width - c.text.size(); before += 3) {
                const std::string field = std::string(before, ' ') + c.text +
                                          std::string(width - c.text.size() - before, before % 2 ? ' ' : '\0');
                const DbfValue value = DecodeDbfValue('N', field);
                EXPECT_EQ(value.Kind(), c.number ? kNumber : kText) << "[" << field << "]";
                EXPECT_EQ(value.Text(), c.text) << "[" << field << "]";
            }
        }
    }
}

TEST(DecodeDbfValue, GivesViewsIntoTheFieldAndADateThatTravelsWithItsValue) {
    const std::string field = "  ABC   ";
    const DbfValue text = DecodeDbfValue('C', field);
    EXPECT_EQ(text.Text().data(), field.data());

    DbfValue copy = DbfValue::Null();
    {
        const std::string date = "20240315";
        copy = DecodeDbfValue('D', date);
    }
    EXPECT_EQ(copy.Text(), "2024-03-15");
    EXPECT_EQ(copy, DbfValue::Date("20240315"));
    EXPECT_NE(copy, DbfValue::Text("2024-03-15"));
}

TEST(DecodeDbfValue, SaysTrueOnlyForALogicalTrue) {
    EXPECT_TRUE(DecodeDbfValue('L', "Y").IsTrue());
    EXPECT_FALSE(DecodeDbfValue('L', "N").IsTrue());
    EXPECT_FALSE(DecodeDbfValue('L', "?").IsTrue());
    EXPECT_FALSE(DecodeDbfValue('C', "true").IsTrue());
}

}  // namespace
}  // namespace dd
