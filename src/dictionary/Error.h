#pragma once

#include <exception>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace dd {

// The one exception of this system: a failure that carries one message text, shown to the user
// behind a fixed prefix. The text is UTF-8, so that a message that names a path keeps any character of
// it; every message the core makes is ASCII. Input/output failures also keep the numeric code the message came from.
class Error : public std::exception {
public:
    explicit Error(std::string message, int ioCode = 0) : message_(std::move(message)), ioCode_(ioCode) {}

    const std::string& Message() const noexcept { return message_; }
    // The operating system's (or the text reader's) error code of a failed file operation; 0 for other failures.
    int IoCode() const noexcept { return ioCode_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
    int ioCode_;
};

// Codes that do not come from the operating system but from reading and writing text.
inline constexpr int kIoReadBeyondEnd = 100;
inline constexpr int kIoDiskFull = 101;
inline constexpr int kIoInvalidNumericInput = 106;
// Windows' "not enough memory" code, also used where a file is too large to be held whole.
inline constexpr int kIoNotEnoughMemory = 8;
// Its message, ready without allocating, for the moment memory has run out.
inline constexpr std::string_view kNotEnoughMemoryMessage = "I/O error 8";

// "File not found", "File access denied", ..., "I/O error %d" for the codes without a text of their own.
std::string IoErrorMessage(int code);
Error IoError(int code);

// "List index out of bounds (%d)": reading an entry of the table list that does not exist.
Error ListIndexError(long long index);

// Runs the body; memory that runs out in it is raised as the input/output error of Windows' "not
// enough memory" code. Loading and the table view run in it, so that a file too large for the memory
// left gives the viewer's box and ddview the same message, and nothing but the system's error escapes.
// A string or vector asked to grow past its largest size (about 2 GB in 32 bits) is the same shortage.
template <typename Body>
void WithMemoryReported(Body&& body) {
    try {
        std::forward<Body>(body)();
    } catch (const std::bad_alloc&) {
        throw IoError(kIoNotEnoughMemory);
    } catch (const std::length_error&) {
        throw IoError(kIoNotEnoughMemory);
    }
}

}  // namespace dd
