#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dd::fuzz {

// A rule of the DBF reader that holds for every input was broken: the message says which, for which row.
class DbfExerciseFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Opens the bytes as a DBF table and, when they open, reads every row twice: in runs by random access and front
// to back through a stream whose buffer is `streamBuffer` bytes (smaller than a record too), and checks that both
// give the same rows and values; that the rows are the fewer of the header's count and the whole records held;
// that the columns tile the record; and that every value keeps the decoding rules (a text without trailing
// padding, a number of digits, a date as YYYY-MM-DD) against a plain byte-by-byte decoding. Raises
// DbfExerciseFailure for a broken rule; the system's own errors are results, not failures. Returns the open's
// error message, empty when the table opened.
std::string ExerciseDbfTable(std::string_view bytes, size_t streamBuffer = 64);

}  // namespace dd::fuzz
