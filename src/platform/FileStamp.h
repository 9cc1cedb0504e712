#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dd {

// What tells one version of a file from another without reading it: its size and the time it was last written
// (in the system's own units: only compared, never shown).
struct FileStamp {
    uint64_t size = 0;
    int64_t written = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at the path (UTF-8); none when there is no file there. Defined per platform.
std::optional<FileStamp> StampOf(const std::string& path);

}  // namespace dd
