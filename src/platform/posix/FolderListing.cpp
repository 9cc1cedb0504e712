#include "platform/FolderListing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "platform/posix/OpenForReading.h"

namespace dd {
namespace {

struct FolderCloser {
    void operator()(DIR* folder) const noexcept { closedir(folder); }
};

}  // namespace

std::vector<std::string> FilesInFolder(const std::string& folder) {
    const std::unique_ptr<DIR, FolderCloser> listing(opendir(folder.empty() ? "." : folder.c_str()));
    if (!listing) ThrowErrno();
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* entry = readdir(listing.get())) {
        struct stat status {};
        if (stat(PathInFolder(folder, entry->d_name).c_str(), &status) == 0 && S_ISREG(status.st_mode))
            names.emplace_back(entry->d_name);
        errno = 0;
    }
    if (errno != 0) ThrowErrno();
    std::sort(names.begin(), names.end());
    return names;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace dd
