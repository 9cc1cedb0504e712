#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz/ReferenceDictionary.h"
#include <nlohmann/json.hpp>

namespace dd::fuzz {

// Runs ddview's commands on the bytes read as a stream, as the dictionary at `path`: list, find and dump
// over every table, show and export of the `shown` tables and of a number that is no entry, as text and
// as JSON; list and dump again with the bytes in small pieces through a small buffer. Everything they print, and every
// error, must be what the plain reading `reference` gives; ExerciseFailure says what differs.
// What `ddview dump` prints for the dictionary, as the plain reading has it.
nlohmann::ordered_json ReferenceDump(const ReferenceDictionary& reference, bool isSql);

void CheckStreamCommands(std::string_view bytes, std::string_view path, const ReferenceDictionary& reference,
                         const std::vector<int32_t>& shown);

}  // namespace dd::fuzz
