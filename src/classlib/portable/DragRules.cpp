// When a pressed button has moved far enough to start a drag.
#include "DragRules.h"

#include <cstdint>
#include <cstdlib>

TSize DragThresholdSize(int Threshold, TSize SystemThreshold) {
  return Threshold < 0 ? SystemThreshold : TSize{Threshold, Threshold};
}

bool DragThresholdPassed(TPoint Start, TPoint Now, TSize Threshold) {
  // 64-bit: points far apart (a screen edge to the other, coordinates of a bad
  // message) must not overflow the difference.
  const int64_t dx = std::llabs(int64_t{Now.X} - Start.X);
  const int64_t dy = std::llabs(int64_t{Now.Y} - Start.Y);
  return dx >= Threshold.cx || dy >= Threshold.cy;
}
