#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/Handle.h"

namespace dd {

// Opens or creates the file at a UTF-8 path with CreateFileW (beyond MAX_PATH too); fails with the
// input/output error of the system's code.
UniqueHandle OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition);

}  // namespace dd
