#include <gtest/gtest.h>

#include <limits>

#include "estimate/step_rounding.h"
#include "outcome.h"

namespace estimate {
namespace {

using testing::attempt;
using testing::describe;
using testing::Outcome;
using testing::sameDouble;
using testing::sameOutcome;

constexpr auto kOverflow = FailureKind::Overflow;
constexpr auto kByZero = FailureKind::DivisionByZero;
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Case {
  std::u16string_view mode;
  double value;
  double step;
  Outcome<double> expected;
  double valueAfter;
};

void expectCases(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    double value = c.value;
    const auto actual = attempt([&] { return doRound(value, c.step, c.mode); });
    const std::string call = std::string(c.mode.begin(), c.mode.end()) + " " + describe(c.value) +
                             " step " + describe(c.step);
    EXPECT_TRUE(sameOutcome(actual, c.expected))
        << call << " gave " << describe(actual) << ", want " << describe(c.expected);
    EXPECT_TRUE(sameDouble(value, c.valueAfter)) << call << " left " << describe(value);
  }
}

TEST(DoRound, WorkedExamples) {
  expectCases({
      {u"DN", 12, 5, 10.0, 12},
      {u"DN", 15, 5, 15.0, 15},
      {u"DN", -12, 5, -15.0, -12},
      {u"DN", 12, -5, 15.0, 12},
      {u"DN", 123.5, 10, 120.0, 123.5},
      {u"DN", 7.25, 0.5, 7.0, 7.25},
      {u"DN", 0.3, 0.1, 0.2, 0.3},
      {u"UP", 12, 5, 15.0, 12},
      {u"UP", 15, 5, 15.0, 15},
      {u"UP", 7.6, 5, 10.0, 7.6},
      {u"UP", 10.4, 5, 10.4, 10.4},
      {u"UP", 9.6, 5, 9.6, 9.6},
      {u"UP", 5, 2.5, 7.5, 5},
      {u"UP", 2.3, 1, 2.3, 2.3},
      {u"UP", -12, 5, -12.0, -12},
      {u"UP", 12, -5, 10.0, 12},
      {u"NE", 12, 5, 10.0, 14.5},
      {u"NE", 12.5, 5, 15.0, 15},
      {u"NE", 13, 5, 15.0, 15.5},
      {u"NE", 15, 5, 15.0, 17.5},
      {u"NE", -12.5, 5, -10.0, -10},
      {u"NE", -12, 5, -10.0, -9.5},
      {u"NE", 12, -5, 10.0, 9.5},
      {u"NE", 12.5, -5, 10.0, 10},
      {u"NE", 7.25, 0.5, 7.5, 7.5},
      {u"NE", 14.5, 5, 15.0, 17},
      {u"XX", 12, 5, 0.0, 12},
      {u"dn", 12, 5, 0.0, 12},
      {u"", 12, 5, 0.0, 12},
      {u"DN ", 12, 5, 0.0, 12},
      {u"ne", kNaN, 0, 0.0, kNaN},
      {u"UPP", 3e9, 0, 0.0, 3e9},
      {u"UP", -2147483648.5, 3, -2147483648.5, -2147483648.5},
  });
}

TEST(DoRound, FailuresAndWhatIsLeftInValue) {
  expectCases({
      {u"DN", 12, 0, kByZero, 12},
      {u"DN", 0, 0, kOverflow, 0},
      {u"DN", 0, -0.0, kOverflow, 0},
      {u"DN", 1e308, 1e-10, kOverflow, 1e308},
      {u"NE", 12, 0, kByZero, 12},
      {u"NE", 0, 0, kOverflow, 0},
      {u"NE", kMax, kMax, kOverflow, kMax},
      {u"NE", 1e300, 1e-300, kOverflow, 1e300},
      {u"UP", 12, 0.5, kByZero, 12},
      {u"UP", 12, -0.5, kByZero, 12},
      {u"UP", 3e9, 0.5, kOverflow, 3e9},
      {u"UP", 2147483647.5, 5, kOverflow, 2147483647.5},
      {u"UP", 5, -2147483648.6, kOverflow, 5},
      {u"UP", -2147483648, -1, kOverflow, -2147483648},
      {u"UP", -2147483648.5, -1.4, kOverflow, -2147483648.5},
      {u"UP", 1e308, 0.6, kOverflow, 1e308},
      // Values that are not finite are refused before any arithmetic.
      {u"DN", kInfinity, 5, kOverflow, kInfinity},
      {u"UP", 5, -kInfinity, kOverflow, 5},
      {u"NE", kNaN, 5, kOverflow, kNaN},
      {u"NE", 12, kInfinity, kOverflow, 12},
  });
}

}  // namespace
}  // namespace estimate
