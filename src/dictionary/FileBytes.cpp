#include "dictionary/FileBytes.h"

#include <memory>

namespace dd {

FileBytes::FileBytes(std::string&& text) {
    auto owned = std::make_shared<std::string>(std::move(text));
    data_ = owned->data();
    size_ = owned->size();
    release_ = [owned]() mutable { owned.reset(); };
}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
    if (this != &other) {
        if (release_) release_();
        data_ = other.data_;
        size_ = other.size_;
        release_ = std::move(other.release_);
        other.data_ = nullptr;
        other.size_ = 0;
        other.release_ = nullptr;
    }
    return *this;
}

FileBytes::~FileBytes() {
    if (release_) release_();
}

}  // namespace dd
