#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace dd {

// The whole content of a file, read into one writable block of memory, so that its lines can be kept
// as views into it and mended in place.
class FileBytes {
public:
    FileBytes() = default;
    // `release` gives the block back when the bytes are no longer needed.
    FileBytes(char* data, size_t size, std::function<void()> release)
        : data_(data), size_(size), release_(std::move(release)) {}
    // Takes over the text's own storage.
    explicit FileBytes(std::string&& text);
    // Owns a copy of the text: for tests and for content that does not come from a file.
    static FileBytes Copy(std::string_view text) { return FileBytes(std::string(text)); }

    FileBytes(FileBytes&& other) noexcept { *this = std::move(other); }
    FileBytes& operator=(FileBytes&& other) noexcept;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes();

    char* Data() noexcept { return data_; }
    const char* Data() const noexcept { return data_; }
    size_t Size() const noexcept { return size_; }
    std::string_view View() const noexcept { return {data_, size_}; }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    std::function<void()> release_;
};

// Called while a file is read, with the bytes read so far (always the same start, more each time).
using ReadProgress = std::function<void(std::string_view bytesSoFar)>;

// Reads a file whole, telling `progress` what it has read so far; fails with the input/output error
// of the reading.
using FileReader = std::function<FileBytes(const ReadProgress& progress)>;

// How much a reader reads at a time: small enough that what was read is still in the processor's
// cache when the progress callback looks at it.
inline constexpr size_t kReadStretch = size_t{1} << 20;

}  // namespace dd
