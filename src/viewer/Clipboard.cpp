#include "viewer/Clipboard.h"

#include <cstring>
#include <memory>
#include <string>

#include "dictionary/Error.h"
#include "outputs/ClipboardText.h"
#include "platform/win32/WideText.h"
#include "viewer/ModuleInstance.h"
#include "viewer/OsError.h"
#include "viewer/WinHandles.h"

namespace dd {
namespace {

constexpr char kCannotOpen[] = "Cannot open clipboard";
constexpr char kCannotCopy[] = "Cannot copy to clipboard";
// The locale of CF_TEXT's bytes, Windows-1251: a program that pastes CF_TEXT converts them by it on any system.
constexpr LCID kRussianLocale = 0x0419;

// GlobalLock for a scope.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL block) noexcept : block_(block), data_(GlobalLock(block)) {}
    ~LockedGlobal() {
        if (data_ != nullptr) GlobalUnlock(block_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    void* Data() const noexcept { return data_; }

private:
    HGLOBAL block_;
    void* data_;
};

// The clipboard, open from construction to destruction.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) {
        if (!OpenClipboard(owner)) throw Error(kCannotOpen);
    }
    ~OpenedClipboard() { CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
};

// A movable, shareable block holding a copy of `size` bytes, unlocked.
UniqueGlobal GlobalCopy(const void* bytes, size_t size) {
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size));
    if (!block) throw Error(kCannotCopy);
    const LockedGlobal locked(block.get());
    if (locked.Data() == nullptr) throw Error(kCannotCopy);
    std::memcpy(locked.Data(), bytes, size);
    return block;
}

// Hands the block to the clipboard, which owns it from then on.
void HandOver(UINT format, UniqueGlobal& block) {
    if (SetClipboardData(format, block.get()) == nullptr) throw Error(kCannotCopy);
    static_cast<void>(block.release());  // the clipboard's now: it frees the block
}

// A hidden message-only window that owns the clipboard while no Lister window is the application's.
UniqueWindow MakePrivateOwner() {
    UniqueWindow window(
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(), nullptr));
    if (!window) throw LastOsError();
    return window;
}

}  // namespace

void PutClipboardText(HWND owner, std::string_view text) {
    UniqueWindow privateOwner;
    if (owner == nullptr || !IsWindow(owner)) {
        privateOwner = MakePrivateOwner();
        owner = privateOwner.get();
    }
    const std::string_view kept = UpToFirstZeroByte(text);
    const OpenedClipboard clipboard(owner);
    // Both blocks are filled before the clipboard is emptied, so a failure leaves its old content.
    const std::string ansi(kept);
    UniqueGlobal ansiBlock = GlobalCopy(ansi.c_str(), ansi.size() + 1);
    const std::wstring wide = WideFromCp1251(kept);
    UniqueGlobal wideBlock = GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    const LCID russian = kRussianLocale;
    UniqueGlobal localeBlock = GlobalCopy(&russian, sizeof russian);
    EmptyClipboard();
    HandOver(CF_TEXT, ansiBlock);
    HandOver(CF_UNICODETEXT, wideBlock);
    HandOver(CF_LOCALE, localeBlock);
}

}  // namespace dd
