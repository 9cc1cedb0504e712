// The order in which ddhost's N and P walk a folder, as the Lister walks it: the .DD, .DDS and .DBF
// files by name, letter case ignored, nothing else.
#include "windows/host/FolderDictionaries.h"
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

std::wstring Widened(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

TEST(FolderDictionaries, NAndPWalkTheDictionariesOfTheFolderByNameAndStopAtEitherEnd) {
    const std::wstring folder = Widened(MakeTempFolder());
    for (const char* name : {"b.DD", "A.dds", "c.txt", "d.DDS", "e.DD.bak", "f.Dd", "g.dbf"})
        WriteFile(std::string(folder.begin(), folder.end()), name, "#==TABLE no 1\r\n");
    CreateDirectoryW((folder + L"a folder.DD").c_str(), nullptr);
    EXPECT_EQ(host::DictionariesBeside(folder + L"b.DD"),
              (std::vector<std::wstring>{folder + L"A.dds", folder + L"b.DD", folder + L"d.DDS", folder + L"f.Dd",
                                         folder + L"g.dbf"}));
    struct Case {
        const wchar_t* from;
        int step;
        const wchar_t* to;  // empty: none
    };
    const Case cases[] = {
        {L"b.DD", 1, L"d.DDS"}, {L"b.DD", -1, L"A.dds"}, {L"B.dd", 1, L"d.DDS"},  // the Lister's name, any case
        {L"A.dds", -1, L""},    {L"f.Dd", 1, L"g.dbf"},  {L"g.dbf", 1, L""},
        {L"c.txt", 1, L""},     {L"missing.DD", 1, L""},
    };
    for (const Case& c : cases) {
        const std::wstring expected = *c.to == L'\0' ? L"" : folder + c.to;
        EXPECT_EQ(host::NeighbourDictionary(folder + c.from, c.step), expected);
    }
}

}  // namespace
}  // namespace dd::test
