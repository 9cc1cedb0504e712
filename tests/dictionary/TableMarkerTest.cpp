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

}  // namespace
}  // namespace dd
