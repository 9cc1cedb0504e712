// A file read at any offset on Windows: the DBF tables of a base, which the platform keeps open and writes
// while it runs, so they are opened with every share mode.
#include <windows.h>

#include <algorithm>

#include "dictionary/Error.h"
#include "platform/FileReading.h"
#include "platform/win32/Handle.h"
#include "platform/win32/OpenFile.h"

namespace dd {
namespace {

[[noreturn]] void ThrowLastError() { throw IoError(static_cast<int>(GetLastError())); }

class RandomAccessFile : public RandomAccessSource {
public:
    explicit RandomAccessFile(UniqueHandle file) : file_(std::move(file)) {}

    uint64_t Size() override {
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file_.get(), &size)) ThrowLastError();
        return static_cast<uint64_t>(size.QuadPart);
    }

    size_t ReadAt(uint64_t offset, char* buffer, size_t size) override {
        size_t got = 0;
        while (got < size) {
            const uint64_t at = offset + got;
            // The offset goes with each read, so no read depends on where the one before left the file pointer.
            OVERLAPPED where{};
            where.Offset = static_cast<DWORD>(at);
            where.OffsetHigh = static_cast<DWORD>(at >> 32);
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size - got, DWORD{1} << 30));
            DWORD read = 0;
            if (!ReadFile(file_.get(), buffer + got, chunk, &read, &where)) {
                if (GetLastError() == ERROR_HANDLE_EOF) break;
                ThrowLastError();
            }
            if (read == 0) break;
            got += read;
        }
        return got;
    }

private:
    UniqueHandle file_;
};

}  // namespace

std::unique_ptr<RandomAccessSource> OpenRandomAccessFile(const std::string& path) {
    UniqueHandle file =
        OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    // A pipe or a device has no offsets to read at.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) throw IoError(ERROR_ACCESS_DENIED);
    return std::make_unique<RandomAccessFile>(std::move(file));
}

}  // namespace dd
