#include "viewer/WindowBase.h"

#include "viewer/OsError.h"

namespace dd {

void* ObjectSlot::Load(HWND window) const noexcept {
    if (property != nullptr) return GetPropA(window, property);
    return reinterpret_cast<void*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void ObjectSlot::Store(HWND window, void* object) const {
    if (property == nullptr) {
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    } else if (!SetPropA(window, property, object)) {
        throw LastOsError();
    }
}

void ObjectSlot::Clear(HWND window) const noexcept {
    if (property != nullptr)
        RemovePropA(window, property);
    else
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace dd
