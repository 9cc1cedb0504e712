#include "platform/FolderListing.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "dictionary/Error.h"
#include "platform/win32/LongPath.h"
#include "platform/win32/WideText.h"

namespace dd {
namespace {

struct FindCloser {
    void operator()(HANDLE find) const noexcept { FindClose(find); }
};

}  // namespace

std::vector<std::string> FilesInFolder(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE first =
        FindFirstFileW(WidePathForApi(PathInFolder(folder.empty() ? "." : folder, "*")).c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return {};
        throw IoError(static_cast<int>(error));
    }
    const std::unique_ptr<void, FindCloser> find(first);
    std::vector<std::string> names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(Utf8FromWide(found.cFileName));
    } while (FindNextFileW(find.get(), &found));
    if (GetLastError() != ERROR_NO_MORE_FILES) throw IoError(static_cast<int>(GetLastError()));
    std::sort(names.begin(), names.end());
    return names;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return last == '\\' || last == '/' || last == ':' ? folder + name : folder + "\\" + name;
}

}  // namespace dd
