#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/posix/FileDescriptor.h"

namespace dd {

// Raises the input/output error of errno's code, as Windows' file functions would give it.
[[noreturn]] void ThrowErrno();

// Opens the existing file at the path for reading as every dictionary reader does, and fills `status`
// with what it is. A folder or a device is refused as Windows refuses it ("File access denied"); a named
// pipe is opened without waiting for a writer (and then read as usual). A failure raises the
// input/output error of the system's code.
FileDescriptor OpenForReading(const std::string& path, struct stat& status);

}  // namespace dd
