#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dd::fuzz {

// A rule that holds for every input was broken: the message says which, for which table.
class ExerciseFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Independently of the reader: the SQL edition is a file whose own extension is .DDS, in any letter case.
bool IsSqlPath(std::string_view path);

struct ExerciseLimits {
    // Tables shown per load: all of them up to this many, else as many from the start and the end.
    int32_t tablesShown = 16;
    // Rows whose clipboard texts are built, per table.
    int32_t rowsCopied = 32;
    // Compare the lines and the list with a plain byte-by-byte reading of the bytes, and the grids of
    // this many of the shown tables (from the start) with a plain table view.
    bool compareWithReference = true;
    int32_t gridsCompared = 4;
    // Run ddview's commands on the bytes read as a stream (list, show, find, export, dump, as text and
    // JSON) and compare what they print with the plain reading.
    bool streamCommands = true;
};

// Opens the bytes as the dictionary at `path`, as the viewer and ddview do, and then: shows each table
// (see ExerciseLimits) and a few indexes that are no entry; builds each shown table's export bytes, the
// clipboard texts of its rows and its print commands at a few page heights and grid widths; runs ddview's
// commands on the bytes as a stream; checks what it can of each result. Raises ExerciseFailure for a broken rule; the
// system's own errors are results, not failures. Returns the load's error message, empty when the dictionary opened.
std::string ExerciseDictionary(std::string_view bytes, std::string_view path, const ExerciseLimits& limits = {});

// The same for both editions (a path without and with ".DDS"); also scans the bytes in stretches as
// a file read does and checks the scan against the byte-by-byte one. Returns the DBF load's error message.
std::string ExerciseBothEditions(std::string_view bytes, const ExerciseLimits& limits = {});

// The stream reader's way of scanning: windows of `step` more bytes that begin where the line being read
// begins, irregular lines noted instead of stopping at the first. Every vector kernel must find what the
// byte-by-byte scan finds; raises ExerciseFailure where one does not.
void CheckScanInWindows(std::string_view bytes, size_t step);

}  // namespace dd::fuzz
