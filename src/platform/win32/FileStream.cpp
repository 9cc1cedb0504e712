// A dictionary read front to back on Windows, for ddview.exe: opened as ReadWholeFile opens it.
#include <windows.h>

#include <algorithm>

#include "dictionary/Error.h"
#include "platform/FileReading.h"
#include "platform/win32/Handle.h"
#include "platform/win32/OpenFile.h"

namespace dd {
namespace {

[[noreturn]] void ThrowLastError() { throw IoError(static_cast<int>(GetLastError())); }

class FileStream : public ByteSource {
public:
    explicit FileStream(UniqueHandle file) : file_(std::move(file)) {}

    size_t Read(char* buffer, size_t size) override {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, DWORD{1} << 30));
        if (!ReadFile(file_.get(), buffer, chunk, &read, nullptr)) ThrowLastError();
        return read;
    }

private:
    UniqueHandle file_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileStream(const std::string& path) {
    UniqueHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    // What the whole-file reader refuses, this refuses too: a handle without a size is no file.
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) ThrowLastError();
    return std::make_unique<FileStream>(std::move(file));
}

}  // namespace dd
