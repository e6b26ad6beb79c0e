#pragma once
// Sums of skin and screen values are taken in 64 bits and saturated back, so that no
// untrusted size overflows the layout arithmetic.

#include <algorithm>
#include <cstdint>
#include <limits>

inline int32_t Saturated(int64_t Value) {
  return static_cast<int32_t>(std::clamp<int64_t>(Value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}
