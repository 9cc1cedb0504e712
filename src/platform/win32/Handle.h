#pragma once

#include <windows.h>

#include <memory>

namespace dd {

struct HandleCloser {
    void operator()(HANDLE handle) const noexcept {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

// Owns a kernel handle (a file, an event, ...) and closes it on every path.
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// Closes the handle now and reports whether that worked; the owner is empty afterwards either way.
inline bool CloseNow(UniqueHandle& handle) noexcept { return CloseHandle(handle.release()) != FALSE; }

}  // namespace dd
