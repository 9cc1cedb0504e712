#include <gtest/gtest.h>

#include <string>

#include "dictionary/TableMarker.h"

namespace dd {
namespace {

TEST(HoldsTableMarker, FindsTheMarkerAnywhereInTheBytes) {
    using namespace std::string_view_literals;
    struct Case {
        std::string_view bytes;
        bool expected;
    };
    const Case cases[] = {
        {"", false},
        {"#==TABLE no 0\r\n", true},
        {"#AccWare Data Dictionary\r\n#\r\n#==TABLE no 0      : x\r\n", true},
        {"  text before #==TABLE no", true},  // a line holds it, wherever in the line
        {"\0\0\xFF#==TABLE no 1"sv, true},
        {"#==TABLE no"sv.substr(0, 10), false},
        {"#==table no 0", false},  // letter case counts, as for the reader
        {"#==TABLE\r\nno 0", false},
        {"#== TABLE no 0", false},
    };
    for (const Case& c : cases) EXPECT_EQ(HoldsTableMarker(c.bytes), c.expected) << c.bytes;
}

TEST(TableNameOfMarkerLine, TakesTheWholeNameAfterTheColon) {
    struct Case {
        std::string_view line;
        std::string_view name;
    };
    const Case cases[] = {
        {"#==TABLE no 88     : \xD1\xEF\xF0\xE0\xE2\xEE\xF7\xED\xE8\xEA \xD1\xEA\xEB\xE0\xE4\xFB",
         "\xD1\xEF\xF0\xE0\xE2\xEE\xF7\xED\xE8\xEA \xD1\xEA\xEB\xE0\xE4\xFB"},  // Справочник Склады
        {"#==TABLE no 0      : Long name with: a colon inside  ", "Long name with: a colon inside"},
        {"#==TABLE no 7:x", "x"},
        {"x #==TABLE no 12 : inside a line", "inside a line"},
        {"#==TABLE no 7", ""},
        {"#==TABLE no 7      :   ", ""},
        {"#==TABLE no 7  - not a colon", ""},
        {"#==TABLE no : no number", "no number"},
        {"# Name    |Descr", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(TableNameOfMarkerLine(c.line), c.name) << c.line;
}

}  // namespace
}  // namespace dd
