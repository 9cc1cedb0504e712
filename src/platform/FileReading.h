#pragma once

#include <memory>
#include <string>

#include "dictionary/DictionaryStream.h"
#include "dictionary/FileBytes.h"

namespace dd {

// Reads the existing file at the path whole, open for reading and shared for reading only, telling
// `progress` what has been read so far. A failure raises the input/output error of the operating
// system's code. Defined per platform.
FileBytes ReadWholeFile(const std::string& path, const ReadProgress& progress = {});

// The existing file at the path, opened as ReadWholeFile opens it (with the same errors), to be read
// front to back through a buffer of the caller's. Defined per platform.
std::unique_ptr<ByteSource> OpenFileStream(const std::string& path);

// The reader of the file at the path, for LoadDictionary.
inline FileReader FileAt(const std::string& path) {
    return [path](const ReadProgress& progress) { return ReadWholeFile(path, progress); };
}

}  // namespace dd
