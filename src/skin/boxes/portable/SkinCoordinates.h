#pragma once
// Arithmetic on skin coordinates, which are untrusted and may be as large as 32 bits
// allow: sums are worked in 64 bits and saturated back.

#include <algorithm>
#include <cstdint>
#include <limits>

inline int32_t SaturatedInt32(int64_t Value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(Value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
