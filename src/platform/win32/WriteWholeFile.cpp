// Writing a file on Windows: CreateFileW for writing, shared for reading only, WriteFile, CloseHandle.
#include <windows.h>

#include <algorithm>

#include "dictionary/Error.h"
#include "platform/FileWriting.h"
#include "platform/win32/Handle.h"
#include "platform/win32/OpenFile.h"

namespace dd {
namespace {

int WriteErrorCode(DWORD error) {
    return (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL) ? kIoDiskFull : static_cast<int>(error);
}

}  // namespace

struct FileWriter::Open {
    UniqueHandle handle;
};

FileWriter::FileWriter(const std::string& path)
    : file_(std::make_unique<Open>(Open{OpenFile(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS)})) {}

FileWriter::~FileWriter() = default;

void FileWriter::Write(std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1u << 24));
        DWORD count = 0;
        if (!WriteFile(file_->handle.get(), bytes.data() + written, chunk, &count, nullptr)) {
            throw IoError(WriteErrorCode(GetLastError()));  // the owner closes the file
        }
        if (count == 0) throw IoError(kIoDiskFull);
        written += count;
    }
}

void FileWriter::Close() {
    if (!CloseNow(file_->handle)) throw IoError(WriteErrorCode(GetLastError()));
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    FileWriter file(path);
    file.Write(bytes);
    file.Close();
}

}  // namespace dd
