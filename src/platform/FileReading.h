#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "dictionary/DictionaryStream.h"
#include "dictionary/FileBytes.h"
#include "dictionary/RandomAccessSource.h"

namespace dd {

// Reads the existing file at the path (UTF-8) whole, open for reading and shared for reading only, telling
// `progress` what has been read so far. A failure raises the input/output error of the operating
// system's code. Defined per platform.
FileBytes ReadWholeFile(const std::string& path, const ReadProgress& progress = {});

// Reads at most the first `maxBytes` bytes of the existing file at the path (fewer when the file is
// shorter), opened as ReadWholeFile opens it and failing with the same errors; nothing beyond them
// is read. Defined per platform.
std::string ReadFileStart(const std::string& path, size_t maxBytes);
// The existing file at the path, opened as ReadWholeFile opens it (with the same errors), to be read
// front to back through a buffer of the caller's. Defined per platform.
std::unique_ptr<ByteSource> OpenFileStream(const std::string& path);

// The existing file at the path, to be read at any offset (a DBF table's header and rows). It is opened as a
// program that shares the file would wish, because the platform keeps writing its tables while it runs: on
// Windows with every share mode (read, write, delete), and never locked on POSIX. Only a file on disk is taken:
// a folder, a device or a pipe is refused with "File access denied". A failure raises the input/output error
// of the system's code, as ReadWholeFile does. Defined per platform.
std::unique_ptr<RandomAccessSource> OpenRandomAccessFile(const std::string& path);

// The reader of the file at the path, for LoadDictionary.
inline FileReader FileAt(const std::string& path) {
    return [path](const ReadProgress& progress) { return ReadWholeFile(path, progress); };
}

}  // namespace dd
