#include "viewer/WindowBase.h"

#include "viewer/OsError.h"

namespace dd {

void* ObjectSlot::Load(HWND window) const noexcept {
    if (property != nullptr) return GetPropW(window, property);
    return reinterpret_cast<void*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void ObjectSlot::Store(HWND window, void* object) const {
    if (property == nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    } else if (!SetPropW(window, property, object)) {
        throw LastOsError();
    }
}

void ObjectSlot::Clear(HWND window) const noexcept {
    if (property != nullptr)
        RemovePropW(window, property);
    else
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

}  // namespace dd
