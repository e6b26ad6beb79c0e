#include "base/IntMath.h"

#include <gtest/gtest.h>

#include <climits>

#ifdef _WIN32
#include "base/win32/WinApi.h"
#endif

namespace {

struct TMulDivCase {
  int32_t Number, Numerator, Denominator, Result;
};

// Results of the platform's MulDiv under Wine.
constexpr TMulDivCase kPlatformCases[] = {
    // Halves round away from zero, whatever the signs; other fractions to the nearest.
    {5, 1, 2, 3}, {-5, 1, 2, -3}, {5, -1, 2, -3}, {5, 1, -2, -3}, {-5, -1, -2, -3},
    {3, 5, -2, -8}, {-3, 5, -2, 8}, {6, 1, 4, 2}, {-6, 1, 4, -2}, {5, 1, 4, 1}, {7, 1, 4, 2},
    {7, 1, 3, 2}, {8, 1, 3, 3}, {-7, 1, 3, -2}, {-8, 1, 3, -3}, {1, 1, 3, 0}, {-2, 1, 3, -1},
    // Font heights and sizes at 96 pixels per inch.
    {-11, 72, 96, -8}, {-12, 72, 96, -9}, {-13, 72, 96, -10}, {8, 96, 72, 11}, {9, 96, 72, 12},
    // Zeros, and a zero divisor.
    {0, 0, 7, 0}, {-3, 0, 2, 0}, {0, -3, 2, 0}, {10, 10, 0, -1}, {0, 5, 0, -1},
    // The product takes 64 bits; a quotient beyond +-2147483647 gives -1.
    {46340, 46341, 1, 2147441940}, {46341, 46341, 1, -1}, {-46341, 46341, 1, -1}, {100000, 100000, 3, -1},
    {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {INT_MAX, 2, 2, INT_MAX}, {INT_MAX, 2, 1, -1},
    {INT_MAX, 1, -1, -INT_MAX}, {-INT_MAX, 1, -1, INT_MAX}, {-INT_MAX, 1, 1, -INT_MAX},
    {INT_MIN, 1, 1, -1}, {INT_MIN, -1, 1, -1}, {INT_MIN, 1, -1, -1}, {INT_MIN, 1, 2, -1073741824},
    {INT_MIN, 2, 4, -1073741824}, {1, INT_MAX, -INT_MAX, -1},
};

// A divisor of -2147483648: Wine's MulDiv gets these wrong (it negates the divisor in 32
// bits); the true quotients.
constexpr TMulDivCase kLowestDivisorCases[] = {
    {1, 1, INT_MIN, 0},         {1073741824, 4, INT_MIN, -2}, {INT_MIN, 1, INT_MIN, 1},
    {INT_MIN, -1, INT_MIN, -1}, {INT_MIN, INT_MIN, INT_MIN, -1}, {-1073741824, 1, INT_MIN, 1},
};

TEST(IntMath, MulDivRoundsHalvesAwayFromZeroAndGivesMinusOneWhenItCannotAnswer) {
  for (const TMulDivCase& c : kPlatformCases) {
    SCOPED_TRACE(std::to_string(c.Number) + " * " + std::to_string(c.Numerator) + " / " + std::to_string(c.Denominator));
    EXPECT_EQ(IntMath::MulDiv(c.Number, c.Numerator, c.Denominator), c.Result);
#ifdef _WIN32
    EXPECT_EQ(::MulDiv(c.Number, c.Numerator, c.Denominator), c.Result) << "the platform's own";
#endif
  }
}

TEST(IntMath, MulDivByTheLowestDivisorGivesTheTrueQuotient) {
  for (const TMulDivCase& c : kLowestDivisorCases)
    EXPECT_EQ(IntMath::MulDiv(c.Number, c.Numerator, c.Denominator), c.Result)
        << c.Number << " * " << c.Numerator << " / " << c.Denominator;
}

TEST(IntMath, SaturatedKeepsWhatFitsAndHoldsTheRestAtTheNearerEnd) {
  EXPECT_EQ(IntMath::Saturated(-5), -5);
  EXPECT_EQ(IntMath::Saturated(int64_t{INT32_MAX}), INT32_MAX);
  EXPECT_EQ(IntMath::Saturated(int64_t{INT32_MAX} + 1), INT32_MAX);
  EXPECT_EQ(IntMath::Saturated(int64_t{INT32_MIN} - 1), INT32_MIN);
  EXPECT_EQ(IntMath::Saturated(int64_t{INT32_MIN} * 4), INT32_MIN);
}

}  // namespace
