#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

#include "estimate/round_half_even.h"
#include "outcome.h"

namespace estimate {
namespace {

using testing::describe;
using testing::sameDouble;

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(RoundHalfEven, DecidesTiesOnTheScaledDouble) {
  struct Case {
    double x;
    int places;
    double expected;
  };
  const Case cases[] = {
      // 12.5, 37.5, 267.5 and 13.5 are exact ties; 1.005 × 100 is below 100.5.
      {0.125, 2, 0.12},
      {0.375, 2, 0.38},
      {2.675, 2, 2.68},
      {0.135, 2, 0.14},
      {1.005, 2, 1},
      {-0.125, 2, -0.12},
      {-2.675, 2, -2.68},
      {0.005, 2, 0},
      {0.015, 2, 0.02},
      {50.0 / 27, 2, 1.85},
      {-0.001, 2, -0.0},
      {-0.0, 2, -0.0},
      {2.5, 0, 2},
      {3.5, 0, 4},
      {-2.5, 0, -2},
      {1250, -2, 1200},
      {1350, -2, 1400},
      {0.1, 30, 0.1},
      {4503599627370497.0, 2, 4503599627370497.0},
      // Values whose hundredths do not fit a double come back unchanged.
      {kMax, 2, kMax},
      {-kMax / 50, 2, -kMax / 50},
      {kInfinity, 2, kInfinity},
      {-kInfinity, 2, -kInfinity},
      {std::numeric_limits<double>::quiet_NaN(), 2, std::numeric_limits<double>::quiet_NaN()},
  };
  for (const Case& c : cases) {
    const double actual = roundHalfEven(c.x, c.places);
    EXPECT_TRUE(sameDouble(actual, c.expected))
        << describe(c.x) << " to " << c.places << " places gave " << describe(actual);
  }
}

TEST(RoundHalfEven, IgnoresTheFloatingPointRoundingMode) {
  const int saved = std::fegetround();
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    const double results[] = {roundHalfEven(2.5, 0), roundHalfEven(-3.5, 0), roundHalfEven(2.4, 0)};
    std::fesetround(saved);
    EXPECT_EQ(results[0], 2) << mode;
    EXPECT_EQ(results[1], -4) << mode;
    EXPECT_EQ(results[2], 2) << mode;
  }
}

}  // namespace
}  // namespace estimate
