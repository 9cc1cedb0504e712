#include "dictionary/LineBuffer.h"

#include <limits>

#include "dictionary/FoldingTable.h"
#include "dictionary/TextLines.h"

namespace dd {

std::string_view LineBuffer::Store(std::string_view text) { return storage_.emplace_back(text); }

void LineBuffer::AppendLine(std::string_view text) { own_.push_back(Store(text)); }

std::string_view LineBuffer::LineAt(int32_t index) const {
    if (index < 0) return {};
    const int32_t adopted = AdoptedCount();
    if (index < adopted) {
        if (!replacedAdopted_.empty()) {
            auto replaced = replacedAdopted_.find(index);
            if (replaced != replacedAdopted_.end()) return replaced->second;
        }
        return adopted_->LineAt(index, cursor_);
    }
    const size_t own = static_cast<size_t>(index - adopted);
    return own < own_.size() ? own_[own] : std::string_view{};
}

void LineBuffer::ReplaceLine(int32_t index, std::string_view text) {
    if (index < 0 || index >= LineCount()) return;
    const int32_t adopted = AdoptedCount();
    if (index < adopted) {
        replacedAdopted_[index] = Store(text);
    } else {
        own_[static_cast<size_t>(index - adopted)] = Store(text);
    }
}

int32_t LineBuffer::LineCount() const noexcept { return AdoptedCount() + static_cast<int32_t>(own_.size()); }

void LineBuffer::ClearLines() {
    adopted_.reset();
    replacedAdopted_.clear();
    own_.clear();
    storage_.clear();
    cursor_ = {};
}

void LineBuffer::SetFromText(std::string_view text) {
    ClearLines();
    // One copy of the whole text holds all the new lines.
    const std::string_view stored = Store(text);
    TextLines lines(stored);
    std::string_view line;
    while (lines.Next(line)) own_.push_back(line);
}

int32_t LineBuffer::FindFirstLine(std::string_view pattern) const {
    const FoldedPattern folded(pattern, ProcessFoldingTable());
    if (folded.Empty()) return 0;
    const int32_t count = LineCount();
    for (int32_t index = 0; index < count; ++index) {
        if (folded.FoundIn(LineAt(index))) return index + 1;
    }
    return 0;
}

void LineBuffer::AdoptLines(std::shared_ptr<const DictionaryLines> lines) {
    ClearLines();
    adopted_ = std::move(lines);
}

}  // namespace dd
