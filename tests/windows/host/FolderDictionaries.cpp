#include "windows/host/FolderDictionaries.h"

#include <windows.h>

#include <algorithm>
#include <memory>

namespace dd::host {
namespace {

struct FindCloser {
    void operator()(HANDLE find) const noexcept { FindClose(find); }
};

bool IsDictionaryName(const std::wstring& name) {
    const size_t dot = name.find_last_of(L'.');
    if (dot == std::wstring::npos) return false;
    const std::wstring extension = name.substr(dot + 1);
    return CompareStringOrdinal(extension.c_str(), -1, L"DD", -1, TRUE) == CSTR_EQUAL ||
           CompareStringOrdinal(extension.c_str(), -1, L"DDS", -1, TRUE) == CSTR_EQUAL ||
           CompareStringOrdinal(extension.c_str(), -1, L"DBF", -1, TRUE) == CSTR_EQUAL;
}

bool NameOrder(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
}

}  // namespace

std::vector<std::wstring> DictionariesBeside(const std::wstring& path) {
    const std::wstring folder = path.substr(0, path.find_last_of(L"\\/") + 1);
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found{};
    const HANDLE first = FindFirstFileW((folder + L"*").c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) return files;
    const std::unique_ptr<void, FindCloser> find(first);
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsDictionaryName(found.cFileName))
            files.push_back(folder + found.cFileName);
    } while (FindNextFileW(find.get(), &found));
    std::sort(files.begin(), files.end(), NameOrder);
    return files;
}

std::wstring NeighbourDictionary(const std::wstring& path, int step) {
    const std::vector<std::wstring> files = DictionariesBeside(path);
    const auto here = std::find_if(files.begin(), files.end(), [&](const std::wstring& file) {
        return CompareStringOrdinal(file.c_str(), -1, path.c_str(), -1, TRUE) == CSTR_EQUAL;
    });
    if (here == files.end()) return {};
    const auto index = static_cast<ptrdiff_t>(here - files.begin()) + step;
    if (index < 0 || index >= static_cast<ptrdiff_t>(files.size())) return {};
    return files[static_cast<size_t>(index)];
}

}  // namespace dd::host
