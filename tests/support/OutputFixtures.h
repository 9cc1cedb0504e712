#pragma once

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/TestPaths.h"

// The outputs of chosen tables of the samples, pinned as files under tests/fixtures/outputs/ and
// checked once by hand against the export and copy rules. The native tests hold the builders to
// them, the Windows tests the plug-in's file and clipboard.
namespace dd::test {

struct SampleTable {
    const char* sample;  // a file name under samples/
    int table;           // the list entry, from 0
};

// <sample>.export-<table>.txt, the export file: the first and last tables, a long one, one whose
// description another table has too, identifiers of exactly 15 bytes and longer, identifiers with
// blanks after them.
inline constexpr SampleTable kPinnedExports[] = {
    {"1Cv7.DD", 0},  {"1Cv7.DD", 7},  {"1Cv7.DD", 15},  {"1Cv7.DD", 19},  {"1Cv7.DD", 20},
    {"1Cv7.DDS", 1}, {"1Cv7.DDS", 3}, {"1Cv7.DDS", 14}, {"1Cv7.DDS", 18},
};

// <sample>.rows-<table>.txt, the copied text ("Копировать строку") of every grid row, one per line
// ended by CR LF: an identifier row with blanks, an identifier longer than its column.
inline constexpr SampleTable kPinnedCopiedRows[] = {{"1Cv7.DDS", 1}, {"1Cv7.DD", 19}};

inline std::string FixtureBytes(const std::string& name) {
    std::ifstream file(FixturePath(name), std::ios::binary);
    if (!file) throw std::runtime_error("cannot read the fixture " + name);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

inline std::string ExpectedExport(const SampleTable& pinned) {
    return FixtureBytes("outputs/" + std::string(pinned.sample) + ".export-" + std::to_string(pinned.table) + ".txt");
}

inline std::vector<std::string> ExpectedCopiedRows(const SampleTable& pinned) {
    const std::string bytes =
        FixtureBytes("outputs/" + std::string(pinned.sample) + ".rows-" + std::to_string(pinned.table) + ".txt");
    std::vector<std::string> rows;
    for (size_t begin = 0, end; (end = bytes.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
        rows.push_back(bytes.substr(begin, end - begin));
    }
    return rows;
}

}  // namespace dd::test
