#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "layout/KeyForwarding.h"

namespace dd {

// A key-down handler: gets the virtual key, which it sets to 0 to consume it, and the modifiers.
using KeyDownHandler = std::function<void(uint16_t& key, ShiftState shift)>;

// The modifiers of a key message: Shift and Ctrl from the keyboard state, Alt from the message's data.
inline ShiftState ShiftStateOf(LPARAM keyData) noexcept {
    ShiftState state;
    state.shift = GetKeyState(VK_SHIFT) < 0;
    state.ctrl = GetKeyState(VK_CONTROL) < 0;
    state.alt = (HIWORD(keyData) & KF_ALTDOWN) != 0;
    return state;
}

inline bool IsKeyDownMessage(UINT message) noexcept { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }

}  // namespace dd
