#pragma once
// The small types every rule of the skinned window frame shares: the hit-test answers,
// the border icons and window states of the frame, and the commands a frame runs.

#include "base/Set.h"

#include <cstdint>

// Answers to WM_NCHITTEST, by value, so that the rules build without the system's
// headers; the window class checks them against the system's.
namespace FrameHit {
inline constexpr int32_t Client = 1;
inline constexpr int32_t Caption = 2;
inline constexpr int32_t Left = 10;
inline constexpr int32_t Right = 11;
inline constexpr int32_t Top = 12;
inline constexpr int32_t TopLeft = 13;
inline constexpr int32_t TopRight = 14;
inline constexpr int32_t Bottom = 15;
inline constexpr int32_t BottomLeft = 16;
inline constexpr int32_t BottomRight = 17;
// A point that one of the frame's skin objects handles (HTOBJECT).
inline constexpr int32_t Object = 19;
}  // namespace FrameHit

// Scoped: the class library's form has border icons of the same names.
enum class TspBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TspBorderIcons = TSet<TspBorderIcon>;

// Where a window goes on its first show.
enum TspPositionInMonitor : uint8_t { sppDefault, sppScreenCenter, sppDesktopCenter };

// The frame's own window state; the values are the ones stored and compared as a byte.
enum class TspWindowState : uint8_t { Normal = 0, Minimized = 1, Maximized = 2 };

// What a caption button, a system-menu item or a caption double-click asks the window
// to do.
enum class TspFrameAction : uint8_t {
  None,
  Close,
  Maximize,         // window state 2
  Restore,          // window state 0
  Minimize,         // window state 1
  MinimizeToTray,
  RestoreFromTray,
  RollUp,
  Unroll,
};
