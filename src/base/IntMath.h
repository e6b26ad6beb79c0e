#pragma once
// Integer arithmetic with the rules of the Windows platform, for window-free code that
// must compute what the Windows half would (scaled sizes, positions, fractions).

#include <cstdint>

namespace IntMath {

// Number * Numerator / Denominator through a 64-bit product, rounded to the nearest
// integer with halves away from zero, as the platform's MulDiv does: -1 for a zero
// Denominator and for a result beyond +-2147483647. (Unlike Wine's MulDiv, a Denominator
// of -2147483648 gives the true quotient.)
int32_t MulDiv(int32_t Number, int32_t Numerator, int32_t Denominator);

// Value held to the 32-bit range: sums of coordinates read from untrusted data are
// computed in 64 bits and saturated, never wrapped.
constexpr int32_t Saturated(int64_t Value) {
  return Value > INT32_MAX ? INT32_MAX : Value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(Value);
}

}  // namespace IntMath
