#include "cli/PathChecks.h"

#include <string_view>

#include "cli/Platform.h"
#include "dictionary/Error.h"

namespace dd::cli {
namespace {

// The folder a path names its file in, without the separator; empty for a name alone.
std::string FolderOfPath(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos) return {};
    if (separator == 0) return path.substr(0, 1);  // the root
    return path.substr(0, separator);
}

void CheckFolderExists(const std::string& path) {
    const std::string folder = FolderOfPath(path);
    if (folder.empty() || KindOfPath(folder) == PathKind::kFolder) return;
    throw Error("no such folder: " + folder);
}

}  // namespace

void CheckPathToRead(const std::string& path, const char* fileMeant) {
    const PathKind kind = KindOfPath(path);
    if (kind == PathKind::kFolder) {
        const char separator = path.find('\\') != std::string::npos && path.find('/') == std::string::npos ? '\\' : '/';
        std::string inside = path;
        if (!inside.empty() && inside.back() != '/' && inside.back() != '\\') inside += separator;
        throw Error(std::string("this is a folder; name the file in it, such as ") + inside + fileMeant);
    }
    if (kind == PathKind::kNothing) CheckFolderExists(path);
}

void CheckPathToWrite(const std::string& path) {
    if (KindOfPath(path) == PathKind::kFolder) throw Error("this is a folder; name the file to write");
    CheckFolderExists(path);
}

}  // namespace dd::cli
