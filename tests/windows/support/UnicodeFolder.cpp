#include "windows/support/UnicodeFolder.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

#include "platform/win32/Handle.h"
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileW(LongForm(folder + L"*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                RemoveTree(folder + name + L"\\");
            else
                DeleteFileW(LongForm(folder + name).c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(LongForm(folder).c_str());
}

}  // namespace

const std::wstring kUnicodeFolderName = Wide(u8"Бухгалтерия ไทย");

std::wstring WideAscii(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

std::wstring LongForm(const std::wstring& path) { return L"\\\\?\\" + path; }

UnicodeFolder::UnicodeFolder() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"ddlister-cp-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(counter++) + L"\\";
    path_ = root_ + kUnicodeFolderName + L"\\";
    CreateDirectoryW(root_.c_str(), nullptr);
    CreateDirectoryW(path_.c_str(), nullptr);
}

UnicodeFolder::~UnicodeFolder() {
    // A file opened from the folder makes it the current one, which could then not be removed.
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
    RemoveTree(root_);
}

std::wstring UnicodeFolder::Folder(const std::wstring& relative) const {
    CreateDirectoryW(LongForm(path_ + relative).c_str(), nullptr);
    return path_ + relative + L"\\";
}

std::wstring UnicodeFolder::Copy(const std::string& source, const std::wstring& folder, const std::wstring& name) {
    const std::wstring target = folder + name;
    if (!CopyFileW(WideAscii(source).c_str(), LongForm(target).c_str(), FALSE))
        throw std::runtime_error("cannot copy " + source + " (error " + std::to_string(GetLastError()) + ")");
    return target;
}

std::wstring UnicodeFolder::Write(const std::wstring& folder, const std::wstring& name, const std::string& bytes) {
    const std::wstring target = folder + name;
    const UniqueHandle file(CreateFileW(LongForm(target).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write a file");
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw std::runtime_error("cannot write a file");
    return target;
}

}  // namespace dd::test
