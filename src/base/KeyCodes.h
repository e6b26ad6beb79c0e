#pragma once
// The system's virtual-key codes and the typed characters the portable key rules answer,
// by value, so that the rules build without the system's headers.

#include <cstdint>

namespace VirtualKey {
inline constexpr uint16_t Tab = 0x09;
inline constexpr uint16_t Return = 0x0D;
inline constexpr uint16_t Escape = 0x1B;
inline constexpr uint16_t PageUp = 0x21;
inline constexpr uint16_t PageDown = 0x22;
inline constexpr uint16_t End = 0x23;
inline constexpr uint16_t Home = 0x24;
inline constexpr uint16_t Left = 0x25;
inline constexpr uint16_t Up = 0x26;
inline constexpr uint16_t Right = 0x27;
inline constexpr uint16_t Down = 0x28;
inline constexpr uint16_t Insert = 0x2D;
inline constexpr uint16_t Delete = 0x2E;
inline constexpr uint16_t F2 = 0x71;
}  // namespace VirtualKey

// Characters as a typed-character message brings them; below FirstPrintable they are
// control characters (Ctrl+V arrives as 22).
namespace KeyChar {
inline constexpr uint8_t CtrlA = 1;
inline constexpr uint8_t CtrlC = 3;
inline constexpr uint8_t Backspace = 8;
inline constexpr uint8_t Tab = 9;
inline constexpr uint8_t Enter = 13;
inline constexpr uint8_t CtrlV = 22;
inline constexpr uint8_t CtrlX = 24;
inline constexpr uint8_t Escape = 27;
inline constexpr uint8_t FirstPrintable = 32;
}  // namespace KeyChar
