#pragma once

#include <string_view>

namespace dd {

// The expression in the host's detect-string syntax that names the files the plug-in shows.
// Beside the dictionaries, the DBF tables of a base: the plug-in takes those whose dictionary is beside them.
inline constexpr std::string_view kDetectString = "FORCE | EXT=\"DDS\" |EXT=\"DD\" |EXT=\"DBF\"";

// Copies the detect string and its zero byte into the host's buffer of `maxlen` bytes; a smaller
// buffer gets as much of the string as fits before the zero byte, and a buffer of no bytes gets nothing.
void CopyDetectString(char* buffer, int maxlen) noexcept;

// Whether the path's extension (from its last dot, when that dot follows the last "\" and ":") is
// ".DD" or ".DDS" in any letter case.
bool HasDictionaryExtension(std::string_view path) noexcept;

// The path up to and including its last "\" or ":"; empty when it has neither.
std::string_view FolderOf(std::string_view path) noexcept;

}  // namespace dd
