#include "cli/DiffCommand.h"

#include <vector>

#include "base/BaseFolderDifferences.h"
#include "base/DictionaryTables.h"
#include "cli/CommandTable.h"
#include "cli/DiffJson.h"
#include "cli/DiffText.h"
#include "cli/PathChecks.h"
#include "cli/Platform.h"
#include "dictionary/Error.h"

namespace dd::cli {
namespace {

DictionaryTables ReadDictionary(const std::string& path) {
    CheckPathToRead(path, "1Cv7.DD");
    return ReadDictionaryTablesAt(path);
}

}  // namespace

int DiffTables(const std::string& oldPath, const std::string& newPath, Format format, TextOutput& out) {
    DictionaryTables before;
    try {
        before = ReadDictionary(oldPath);
    } catch (const Error& error) {
        return ReportFailure(oldPath, error.Message(), kTrouble);
    }
    DictionaryDifferences differences;
    std::vector<UnreadableTableFile> unreadable;
    try {
        if (KindOfPath(newPath) == PathKind::kFolder) {
            BaseFolderDifferences compared = CompareBaseFolder(before, newPath);
            differences = std::move(compared.differences);
            unreadable = std::move(compared.unreadable);
        } else {
            differences = CompareDictionaryTables(before, ReadDictionary(newPath));
        }
    } catch (const Error& error) {
        return ReportFailure(newPath, error.Message(), kTrouble);
    }
    for (const UnreadableTableFile& file : unreadable) ReportFailure(file.path, file.message);
    if (format == Format::kJson) {
        WriteDifferencesJson(differences, oldPath, newPath, out);
    } else {
        WriteDifferencesText(differences, out);
    }
    if (!unreadable.empty()) return kTrouble;
    return differences.Empty() ? kSame : kDifferent;
}

}  // namespace dd::cli
