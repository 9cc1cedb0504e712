#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/DataWriter.h"
#include "base/DictionaryTables.h"
#include "cli/TextOutput.h"

namespace dd::cli {

// What a command notes on standard error without failing: the path it speaks of and the note.
using NoteSink = std::function<void(const std::string& path, const std::string& note)>;

struct DataOptions {
    DataFormat format = DataFormat::kTabs;
    bool columnNames = false;  // the columns' own names instead of readable ones
    bool withDeleted = false;  // deleted rows too, marked
};

// Where the dictionary of a base's table is: the one named, or 1Cv7.DD (any letter case) beside the table;
// none, noted, when there is none beside it.
std::optional<std::string> DictionaryPathFor(const std::string& tablePath, const std::string& named,
                                             const NoteSink& note);

// Prints the rows of the DBF table at the path, in file order, under the readable names of its dictionary
// (which may be null: the columns keep their names). Notes what it cannot name (a table the dictionary does
// not list, fields without a column) and a table shorter than its header says. Fails with the system's error
// (dd::Error) for a table that cannot be read.
void PrintTableData(const std::string& path, const DictionaryTables* dictionary, const DataOptions& options,
                    TextOutput& out, const NoteSink& note);

}  // namespace dd::cli
