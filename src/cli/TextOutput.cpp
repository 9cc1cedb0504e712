#include "cli/TextOutput.h"

#include "dictionary/Cp1251.h"

namespace dd::cli {

void TextOutput::Field(std::string_view text) {
    Separate();
    if (raw_) {
        line_.append(text);
    } else {
        line_ += Utf8FromCp1251(text, true);
    }
}

void TextOutput::EndLine() {
    line_ += '\n';
    std::fwrite(line_.data(), 1, line_.size(), stream_);
    BeginLine();
}

}  // namespace dd::cli
