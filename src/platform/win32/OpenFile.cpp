#include "platform/win32/OpenFile.h"

#include "dictionary/Error.h"
#include "platform/win32/LongPath.h"

namespace dd {

UniqueHandle OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    UniqueHandle file(
        CreateFileW(WidePathForApi(path).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        throw IoError(static_cast<int>(GetLastError()));
    }
    return file;
}

}  // namespace dd
