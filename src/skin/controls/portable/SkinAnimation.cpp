#include "SkinAnimation.h"

#include "skin/data/SkinRects.h"

#include <algorithm>
#include <cmath>

bool CanAnimate(const TRect& Strip, int32_t FrameCount, int32_t Interval, bool SideBySide) {
  return Interval >= 1 && !IsNullRect(AnimationFrameRect(Strip, FrameCount, 1, SideBySide));
}

TRect AnimationFrameRect(const TRect& Strip, int32_t FrameCount, int32_t Frame, bool SideBySide) {
  if (FrameCount < 1 || Frame < 1 || Frame > FrameCount || IsNullRect(Strip)) return {};
  const int32_t length = (SideBySide ? RectWidth(Strip) : RectHeight(Strip)) / FrameCount;
  if (length < 1) return {};
  // Frame <= FrameCount, so the frame ends within the strip (a length saturated by
  // RectWidth belongs to a strip that starts below 0): no overflow.
  const int32_t offset = (Frame - 1) * length;
  if (SideBySide) return {Strip.Left + offset, Strip.Top, Strip.Left + offset + length, Strip.Bottom};
  return {Strip.Left, Strip.Top + offset, Strip.Right, Strip.Top + offset + length};
}

bool StepAnimationFrame(int32_t& Frame, int32_t FrameCount, bool Hot) {
  if (Hot && Frame <= FrameCount) {
    ++Frame;
    return true;
  }
  if (!Hot && Frame > 0) {
    --Frame;
    return true;
  }
  return false;
}

double NextMorphKf(double Kf, bool Forward) {
  constexpr double step = 0.2;
  return std::clamp(std::round((Kf + (Forward ? step : -step)) / step) * step, 0.0, 1.0);
}
