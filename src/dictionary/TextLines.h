#pragma once

#include <string_view>

namespace dd {

// Cuts a text into lines the way a line buffer takes it in: each CR LF pair, each lone CR and each
// lone LF ends a line, a break at the very end adds no empty line, and a zero byte ends the text.
class TextLines {
public:
    explicit TextLines(std::string_view text) noexcept : text_(text) {}

    // The next line, or false when the text is used up.
    bool Next(std::string_view& line) noexcept {
        if (pos_ >= text_.size() || text_[pos_] == '\0') return false;
        size_t end = pos_;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n' && text_[end] != '\0') ++end;
        line = text_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        return true;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

}  // namespace dd
