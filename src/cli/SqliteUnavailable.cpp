// A build without SQLite (the Windows one: its cross compiler finds no SQLite among the system's packages).
#include "cli/SqliteBase.h"
#include "dictionary/Error.h"

namespace dd::cli {

bool SqliteInThisBuild() noexcept { return false; }

void WriteBaseToSqlite(const std::string&, const std::string& out, const SqliteOptions&, const NoteSink&,
                       std::string& failedFile) {
    failedFile = out;
    throw Error("this build of ddview has no SQLite");
}

}  // namespace dd::cli
