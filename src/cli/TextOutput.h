#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace dd::cli {

// Writes lines of tab-separated texts to a stream: the dictionary's bytes as they are, or
// converted to UTF-8 for the terminal.
class TextOutput {
public:
    TextOutput(std::FILE* stream, bool raw) : stream_(stream), raw_(raw) {}

    void BeginLine() {
        line_.clear();
        fieldsInLine_ = 0;
    }
    // A text of the system (Windows-1251), converted unless the output is raw.
    void Field(std::string_view text);
    void Number(long long value) { Separate(), line_ += std::to_string(value); }
    void EndLine();

private:
    void Separate() {
        if (fieldsInLine_++ > 0) line_ += '\t';
    }

    std::FILE* stream_;
    bool raw_;
    std::string line_;
    int fieldsInLine_ = 0;
};

}  // namespace dd::cli
