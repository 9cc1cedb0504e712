#pragma once

#include <string>

#include "cli/BaseCommands.h"

namespace dd::cli {

// Whether this build of ddview writes SQLite databases (it links SQLite where the build's system has it).
bool SqliteInThisBuild() noexcept;

struct SqliteOptions {
    bool withDeleted = false;  // deleted rows too, with a column _deleted
    bool force = false;        // an existing database is replaced
    std::string dictionary;    // the dictionary to take; empty: 1Cv7.DD in the folder
};

// Writes the base in the folder into one SQLite database at `out`: every table of the dictionary whose file is
// in the folder as a table named by its identifier with its DBF columns, beside it a view named by its readable
// name with readable column names, and the tables _tables and _columns that describe them. The database is
// written beside `out` under another name and renamed into place once complete, so that a failure leaves no
// half-made database. Tables without a file are noted and left out; a progress line is kept on standard
// error when it is a terminal. Fails with the system's error (dd::Error) naming the file it concerns in
// `failedFile`.
void WriteBaseToSqlite(const std::string& folder, const std::string& out, const SqliteOptions& options,
                       const NoteSink& note, std::string& failedFile);

}  // namespace dd::cli
