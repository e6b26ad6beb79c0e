#include "IntMath.h"

namespace IntMath {

int32_t MulDiv(int32_t Number, int32_t Numerator, int32_t Denominator) {
  if (Denominator == 0) return -1;
  // |product| <= 2^62, so negating it and adding half the divisor stay within 64 bits.
  int64_t product = static_cast<int64_t>(Number) * Numerator;
  int64_t divisor = Denominator;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  const int64_t half = divisor / 2;
  const int64_t quotient = (product >= 0 ? product + half : product - half) / divisor;
  constexpr int64_t kLimit = INT32_MAX;
  if (quotient > kLimit || quotient < -kLimit) return -1;
  return static_cast<int32_t>(quotient);
}

}  // namespace IntMath
