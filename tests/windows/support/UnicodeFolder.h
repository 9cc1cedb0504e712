#pragma once

#include <string>

namespace dd::test {

// A path the tests name in ASCII (the samples' Z: paths), widened.
std::wstring WideAscii(const std::string& ascii);

// A path in the form that lifts the 260-character limit of the wide functions.
std::wstring LongForm(const std::wstring& path);

// "Бухгалтерия ไทย" in a fresh folder under the temporary folder: a name that no ANSI code page holds whole,
// made with the wide functions and removed with everything in it at the end.
class UnicodeFolder {
public:
    UnicodeFolder();
    ~UnicodeFolder();
    UnicodeFolder(const UnicodeFolder&) = delete;
    UnicodeFolder& operator=(const UnicodeFolder&) = delete;

    // With a trailing backslash.
    const std::wstring& Path() const { return path_; }
    // A folder inside it (made when missing), with a trailing backslash.
    std::wstring Folder(const std::wstring& relative) const;
    // Copies a file (a Windows path in ASCII) into `folder` under `name`; the copy's path.
    static std::wstring Copy(const std::string& source, const std::wstring& folder, const std::wstring& name);
    static std::wstring Write(const std::wstring& folder, const std::wstring& name, const std::string& bytes);

private:
    std::wstring root_;
    std::wstring path_;
};

// The name of the folder inside a UnicodeFolder.
extern const std::wstring kUnicodeFolderName;

}  // namespace dd::test
