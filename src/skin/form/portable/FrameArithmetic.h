#pragma once
// Coordinate arithmetic of the frame rules. Skin coordinates are untrusted and may be as
// large as 32 bits allow, so every sum is worked in 64 bits and saturated back.

#include "base/Geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace FrameArithmetic {

inline int32_t Saturate(int64_t Value) {
  return static_cast<int32_t>(std::clamp<int64_t>(Value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

inline int32_t Add(int32_t A, int64_t B) { return Saturate(A + B); }

inline TPoint Offset(TPoint P, int64_t DX, int64_t DY) { return {Add(P.X, DX), Add(P.Y, DY)}; }

inline TRect Offset(const TRect& R, int64_t DX, int64_t DY) {
  return {Add(R.Left, DX), Add(R.Top, DY), Add(R.Right, DX), Add(R.Bottom, DY)};
}

}  // namespace FrameArithmetic
