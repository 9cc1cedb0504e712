#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/Error.h"
#include "platform/FolderListing.h"
#include "support/TempFolder.h"

namespace dd {
namespace {

TEST(FilesInFolder, ListsTheFilesSortedAndLeavesFoldersOut) {
    const test::TempFolder folder;
    for (const char* name : {"SC167.DBF", "1Cv7.DD", "dt3050.dbf", "a b.txt"}) folder.Write(name, "x");
    std::filesystem::create_directory(folder.File("SC999.DBF"));  // a folder, however it is named
    EXPECT_EQ(FilesInFolder(folder.Path()),
              (std::vector<std::string>{"1Cv7.DD", "SC167.DBF", "a b.txt", "dt3050.dbf"}));
    EXPECT_EQ(FilesInFolder(folder.File("SC999.DBF")), std::vector<std::string>{});
}

TEST(FilesInFolder, FailsForAFolderThatIsNotThere) {
    const test::TempFolder folder;
    EXPECT_THROW(FilesInFolder(folder.File("missing")), Error);
}

TEST(PathInFolder, PutsOneSeparatorBetween) {
#ifdef _WIN32
    EXPECT_EQ(PathInFolder("C:\\base", "SC1.DBF"), "C:\\base\\SC1.DBF");
    EXPECT_EQ(PathInFolder("C:\\base\\", "SC1.DBF"), "C:\\base\\SC1.DBF");
    EXPECT_EQ(PathInFolder("C:", "SC1.DBF"), "C:SC1.DBF");
#else
    EXPECT_EQ(PathInFolder("/srv/base", "SC1.DBF"), "/srv/base/SC1.DBF");
    EXPECT_EQ(PathInFolder("/srv/base/", "SC1.DBF"), "/srv/base/SC1.DBF");
#endif
    EXPECT_EQ(PathInFolder("", "SC1.DBF"), "SC1.DBF");
}

}  // namespace
}  // namespace dd
