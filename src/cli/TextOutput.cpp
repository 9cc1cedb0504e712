#include "cli/TextOutput.h"

#include <cerrno>
#include <charconv>

#include "dictionary/Cp1251.h"
#include "dictionary/Error.h"

namespace dd::cli {
namespace {

constexpr size_t kGathered = size_t{32} << 10;

}  // namespace

bool WriteFailedForNoReader() noexcept { return errno == EPIPE; }

void TextOutput::Field(std::string_view text) {
    Separate();
    if (raw_) {
        pending_.append(text);
    } else {
        AppendUtf8FromCp1251(pending_, text, true);
    }
}

void TextOutput::Number(long long value) {
    Separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    pending_.append(digits, static_cast<size_t>(end - digits));
}

void TextOutput::EndLine() {
    pending_ += '\n';
    lineStart_ = pending_.size();
    fieldsInLine_ = 0;
    if (pending_.size() >= kGathered) Flush();
}

void TextOutput::Write(std::string_view text) {
    pending_.resize(lineStart_);  // a line begun and not ended is dropped
    pending_.append(text);
    lineStart_ = pending_.size();
    if (pending_.size() >= kGathered) Flush();
}

void TextOutput::Flush() {
    const std::string_view whole(pending_.data(), lineStart_);
    if (collected_ != nullptr) {
        collected_->append(whole);
    } else if (!whole.empty() && std::fwrite(whole.data(), 1, whole.size(), stream_) != whole.size()) {
        failed_ = true;
        readerGone_ = WriteFailedForNoReader();
        throw IoError(kIoDiskFull);
    }
    pending_.erase(0, lineStart_);
    lineStart_ = 0;
}

}  // namespace dd::cli
