#pragma once

#include <string>

#include "base/DictionaryDifferences.h"
#include "cli/TextOutput.h"

namespace dd::cli {

// Writes the differences as one JSON document, one table per line:
//   {"old": OLD, "new": NEW, "edition": {"old", "new"} (only when the editions differ),
//    "added": [{"identifier", "description"}...], "removed": [{"identifier", "description"}...],
//    "changed": [{"identifier", "description": {"old", "new"} (only when it changed),
//                 "fields": {"added": [field...], "removed": [field...], "changed": [{"name", "old", "new"}...],
//                            "reordered": true|false},
//                 "indexes": {"added": [index...], "removed": [index...], "changed": [{"name", "old", "new"}...]}}...]}
// A field is {"name", "description", "type", "length", "precision"} and an index is dump's; the texts are decoded
// from Windows-1251, OLD and NEW are the paths as given (UTF-8).
void WriteDifferencesJson(const DictionaryDifferences& differences, const std::string& oldPath,
                          const std::string& newPath, TextOutput& out);

}  // namespace dd::cli
