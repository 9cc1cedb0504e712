#pragma once

#include "base/DictionaryDifferences.h"
#include "cli/TextOutput.h"

namespace dd::cli {

// Writes the differences as text in UTF-8, one line per fact, grouped by table: a line per table ("+" added, "-"
// removed, "~" changed: the identifier in a column of 10 and the description, "old → new" when it changed), and
// below a changed table, indented by four, its fields ("+", "-", "~": the name in a column of 10, the description
// in one of 21, then type, length and precision), the order of its fields, and its indexes ("index NAME" and the
// labelled columns). A value that changed reads "old → new", an empty one "". When the editions differ, a first
// line "# DBF edition → SQL edition" says so. Control characters of the texts show as U+FFFD.
void WriteDifferencesText(const DictionaryDifferences& differences, TextOutput& out);

}  // namespace dd::cli
