#include "SkinRects.h"

#include <algorithm>
#include <limits>

namespace {

int32_t SaturatedDifference(int32_t high, int32_t low) {
  int64_t difference = int64_t{high} - low;
  return static_cast<int32_t>(std::clamp<int64_t>(difference,
                                                  std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t RectWidth(const TRect& R) { return SaturatedDifference(R.Right, R.Left); }

int32_t RectHeight(const TRect& R) { return SaturatedDifference(R.Bottom, R.Top); }

TRect NullRect() { return TRect{}; }

bool IsNullRect(const TRect& R) { return RectWidth(R) < 1 || RectHeight(R) < 1; }

bool IsNullPoint(const TPoint& P) { return P.X == 0 || P.Y == 0; }

bool RectsEqual(const TRect& R1, const TRect& R2) { return R1 == R2; }

bool PointInRect(const TRect& R, const TPoint& P) {
  return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}

// Right and bottom edges excluded, as the runtime's PtInRect has them.
bool RectInRect(const TRect& R1, const TRect& R2) {
  return PtInRect(R2, TPoint{R1.Left, R1.Top}) && PtInRect(R2, TPoint{R1.Right, R1.Bottom});
}

int32_t MaxOf(int32_t A, int32_t B) { return std::max(A, B); }
