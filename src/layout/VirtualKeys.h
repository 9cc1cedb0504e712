#pragma once

#include <cstdint>

// The virtual-key codes that the viewer's rules look at (the values of the Windows constants).
namespace dd::keys {

inline constexpr uint16_t kBack = 0x08;
inline constexpr uint16_t kTab = 0x09;
inline constexpr uint16_t kReturn = 0x0D;
inline constexpr uint16_t kEscape = 0x1B;
inline constexpr uint16_t kPageUp = 0x21;
inline constexpr uint16_t kPageDown = 0x22;
inline constexpr uint16_t kEnd = 0x23;
inline constexpr uint16_t kHome = 0x24;
inline constexpr uint16_t kLeft = 0x25;
inline constexpr uint16_t kUp = 0x26;
inline constexpr uint16_t kRight = 0x27;
inline constexpr uint16_t kDown = 0x28;
inline constexpr uint16_t kInsert = 0x2D;
inline constexpr uint16_t kDigit1 = 0x31;
inline constexpr uint16_t kDigit7 = 0x37;
inline constexpr uint16_t kA = 0x41;
inline constexpr uint16_t kC = 0x43;
inline constexpr uint16_t kN = 0x4E;
inline constexpr uint16_t kP = 0x50;
inline constexpr uint16_t kX = 0x58;
inline constexpr uint16_t kF1 = 0x70;
inline constexpr uint16_t kF2 = 0x71;
inline constexpr uint16_t kF10 = 0x79;
inline constexpr uint16_t kF12 = 0x7B;

}  // namespace dd::keys
