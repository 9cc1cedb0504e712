#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "base/DataWriter.h"

namespace dd::cli {

// Writes lines of tab-separated texts, or JSON text, to a stream or into a string: the dictionary's
// bytes as they are, or converted to UTF-8 for the terminal.
class TextOutput : public TextSink {
public:
    TextOutput(std::FILE* stream, bool raw) : stream_(stream), raw_(raw) {}
    // Collects what is written, for the fuzzer and the tests.
    TextOutput(std::string& collected, bool raw) : collected_(&collected), raw_(raw) {}
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;
    ~TextOutput() { Flush(); }

    // Lines are gathered and written some kilobytes at a time.
    void BeginLine() {
        pending_.resize(lineStart_);
        fieldsInLine_ = 0;
    }
    // A text of the system (Windows-1251), converted unless the output is raw.
    void Field(std::string_view text);
    void Number(long long value);
    void EndLine();
    // Text that is written as it is (JSON, already UTF-8).
    void Write(std::string_view text) override;
    // Writes what was gathered. A stream that takes no more fails with "Disk full" (dd::Error), and the
    // output remembers why.
    void Flush();
    // Writing to the stream failed; ReaderGone: because its reader went away (a pipe closed early, as
    // `ddview list FILE | head -1` closes it), which is no failure to report.
    bool Failed() const noexcept { return failed_; }
    bool ReaderGone() const noexcept { return readerGone_; }

private:
    void Separate() {
        if (fieldsInLine_++ > 0) pending_ += '\t';
    }

    std::FILE* stream_ = nullptr;
    std::string* collected_ = nullptr;
    bool raw_;
    std::string pending_;   // whole lines, then the line being made
    size_t lineStart_ = 0;  // where the line being made starts
    int fieldsInLine_ = 0;
    bool failed_ = false;
    bool readerGone_ = false;
};

// The exit status when the output's reader went away: the status of a process that SIGPIPE ended, so
// that a script sees the same whether SIGPIPE was ignored or not.
inline constexpr int kReaderGoneStatus = 128 + 13;

// Whether the last failed write to a stream failed because its reader went away (EPIPE).
bool WriteFailedForNoReader() noexcept;

}  // namespace dd::cli
