#pragma once
// Which way the small arrow points that is drawn where a skin has no picture for it
// (DrawArrowImage): the code both the drawing and the controls' window-free rules use.

namespace ArrowCode {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Up = 3;
inline constexpr int Down = 4;
}  // namespace ArrowCode
