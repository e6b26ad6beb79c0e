#pragma once
// Coordinate arithmetic of the frame rules. Skin coordinates are untrusted and may be as
// large as 32 bits allow, so every sum is worked in 64 bits and saturated back.

#include "base/Geometry.h"
#include "base/IntMath.h"

#include <cstdint>

namespace FrameArithmetic {

using IntMath::Saturated;

inline int32_t Add(int32_t A, int64_t B) { return Saturated(A + B); }

inline TPoint Offset(TPoint P, int64_t DX, int64_t DY) { return {Add(P.X, DX), Add(P.Y, DY)}; }

inline TRect Offset(const TRect& R, int64_t DX, int64_t DY) {
  return {Add(R.Left, DX), Add(R.Top, DY), Add(R.Right, DX), Add(R.Bottom, DY)};
}

}  // namespace FrameArithmetic
