#include "viewer/WindowBase.h"

#include "viewer/OsError.h"

namespace dd {
namespace {

// The window property read or written last, with its object. A window's messages come in runs (an
// owner-drawn list sends its owner one WM_DELETEITEM per entry as it is emptied, 200,000 for the largest
// dictionaries), and every read of a property is a trip to Wine's server. Process-wide and locked, so
// that a binding undone on another thread (a teardown from there) is never found here afterwards.
struct LastProperty {
    HWND window = nullptr;
    const wchar_t* property = nullptr;
    void* object = nullptr;
};
SRWLOCK lastPropertyLock = SRWLOCK_INIT;
LastProperty lastProperty;

class LastPropertyLock {
public:
    LastPropertyLock() noexcept { AcquireSRWLockExclusive(&lastPropertyLock); }
    ~LastPropertyLock() { ReleaseSRWLockExclusive(&lastPropertyLock); }
    LastPropertyLock(const LastPropertyLock&) = delete;
    LastPropertyLock& operator=(const LastPropertyLock&) = delete;
};

}  // namespace

void* ObjectSlot::Load(HWND window) const noexcept {
    if (property == nullptr) return reinterpret_cast<void*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    const LastPropertyLock lock;
    if (lastProperty.window != window || lastProperty.property != property)
        lastProperty = {window, property, GetPropW(window, property)};
    return lastProperty.object;
}

void ObjectSlot::Store(HWND window, void* object) const {
    if (property == nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return;
    }
    const LastPropertyLock lock;
    lastProperty = {};
    if (!SetPropW(window, property, object)) throw LastOsError();
    lastProperty = {window, property, object};
}

void ObjectSlot::Clear(HWND window) const noexcept {
    if (property == nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return;
    }
    const LastPropertyLock lock;
    RemovePropW(window, property);
    if (lastProperty.window == window) lastProperty = {};
}

}  // namespace dd
