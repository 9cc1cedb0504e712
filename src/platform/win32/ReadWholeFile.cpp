// Reading a dictionary on Windows: CreateFileW for reading, shared for reading only, and ReadFile.
#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "dictionary/Error.h"
#include "dictionary/FileBytes.h"
#include "platform/FileReading.h"
#include "platform/win32/Handle.h"
#include "platform/win32/OpenFile.h"

namespace dd {
namespace {

[[noreturn]] void ThrowLastError() { throw IoError(static_cast<int>(GetLastError())); }

// Big files get their own pages from the system, so that closing a viewer gives them back at once.
FileBytes AllocateBytes(uint64_t size) {
    if (size >= SIZE_MAX) throw IoError(kIoNotEnoughMemory);
    const SIZE_T bytes = static_cast<SIZE_T>(size) + 1;
    void* block = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (block == nullptr) throw IoError(kIoNotEnoughMemory);
    return FileBytes(static_cast<char*>(block), static_cast<size_t>(size),
                     [block] { VirtualFree(block, 0, MEM_RELEASE); });
}

}  // namespace

FileBytes ReadWholeFile(const std::string& path, const ReadProgress& progress) {
    UniqueHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) ThrowLastError();

    FileBytes bytes = AllocateBytes(static_cast<uint64_t>(size.QuadPart));
    size_t got = 0;
    while (got < bytes.Size()) {
        const DWORD chunk = static_cast<DWORD>(std::min(bytes.Size() - got, kReadStretch));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.Data() + got, chunk, &read, nullptr)) ThrowLastError();
        if (read == 0) break;  // the file is shorter than it said: take what is there
        got += read;
        if (progress) progress({bytes.Data(), got});
    }
    if (!CloseNow(file)) ThrowLastError();
    if (got == bytes.Size()) return bytes;
    FileBytes shorter = FileBytes::Copy({bytes.Data(), got});
    return shorter;
}

}  // namespace dd
