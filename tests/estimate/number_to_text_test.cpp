#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "estimate/number_to_text.h"
#include "estimate/text_to_number.h"
#include "outcome.h"

namespace estimate {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

const Separators kEnglish;
const Separators kCommaDecimal{u",", u"."};

void expectTexts(const Separators& separators,
                 std::initializer_list<std::pair<double, std::u16string_view>> cases) {
  for (const auto& [x, expected] : cases) {
    EXPECT_EQ(toText(x, separators), expected) << testing::describe(x);
  }
}

std::pair<double, std::u16string_view> shows(double x, std::u16string_view text) {
  return {x, text};
}

TEST(ToText, WritesFifteenSignificantDigitsAndSwitchesToExponentForm) {
  expectTexts({}, {shows(0.0, u"0"),
                   shows(-0.0, u"0"),
                   shows(1.85, u"1.85"),
                   shows(12, u"12"),
                   shows(103.6, u"103.6"),
                   shows(-2.5, u"-2.5"),
                   shows(1.0 / 3, u"0.333333333333333"),
                   shows(0.1 + 0.2, u"0.3"),
                   shows(1.1 * 3, u"3.3"),
                   shows(100, u"100"),
                   shows(0.0001, u"0.0001"),
                   shows(9.999999999999999e-5, u"0.0001"),
                   shows(0.000123456, u"0.000123456"),
                   shows(0.00001, u"1E-05"),
                   shows(-1.5e-5, u"-1.5E-05"),
                   shows(999999999999999, u"999999999999999"),
                   shows(1e15, u"1E+15"),
                   shows(9.999999999999999e14, u"1E+15"),
                   shows(123456789012345678.0, u"1.23456789012346E+17"),
                   shows(1e100, u"1E+100"),
                   shows(std::numeric_limits<double>::max(), u"1.79769313486232E+308"),
                   shows(-std::numeric_limits<double>::denorm_min(), u"-4.94065645841247E-324")});
  expectTexts({u",", u"."}, {shows(1234567.5, u"1234567,5"), shows(0.05, u"0,05")});
  expectTexts({u"dp", u"gs"}, {shows(1.5e-5, u"1dp5E-05"), shows(7, u"7")});
}

TEST(ToText, RefusesValuesThatAreNotFinite) {
  for (double x : {kInfinity, -kInfinity, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(testing::attempt([&] { return toText(x); }),
              (testing::Outcome<std::u16string>(FailureKind::Overflow)))
        << x;
  }
}

std::string fifteenDigits(double x) {
  char text[32];
  return std::string(text,
                     std::to_chars(text, std::end(text), x, std::chars_format::scientific, 14).ptr);
}

TEST(ToText, ReadsBackToTheSameFifteenDigits) {
  const std::uint64_t seed = 20240601;
  std::cout << "random doubles from seed " << seed << '\n';
  std::mt19937_64 random(seed);
  std::uniform_int_distribution<int> exponents(-60, 60);
  for (int i = 0; i < 100000; ++i) {
    const std::uint64_t bits = random();
    // Half the cases cover every bit pattern, half the magnitudes people use.
    double x = i % 2 ? std::bit_cast<double>(bits)
                     : std::ldexp(static_cast<double>(bits >> 11), exponents(random) - 53);
    if (!std::isfinite(x)) {
      continue;
    }
    const Separators& separators = i % 3 ? kEnglish : kCommaDecimal;
    const double back = toNumber(toText(x, separators), separators);
    ASSERT_EQ(fifteenDigits(back), fifteenDigits(x)) << "x = " << testing::describe(x);
  }
}

}  // namespace
}  // namespace estimate
