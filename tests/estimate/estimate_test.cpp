#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <variant>

#include "estimate/estimate.h"

namespace estimate {

// What an operation gave, or the kind of failure it threw, so that one column
// of a table holds both.
template <class Result>
using Outcome = std::variant<Result, FailureKind>;

template <class Operation>
auto attempt(Operation operation) -> Outcome<decltype(operation())> {
  try {
    return operation();
  } catch (const Failure& failure) {
    return failure.kind();
  }
}

void PrintTo(FailureKind kind, std::ostream* out) {
  *out << Failure(kind).what();
}

namespace {

constexpr auto kMismatch = FailureKind::TypeMismatch;
constexpr auto kOverflow = FailureKind::Overflow;
constexpr auto kByZero = FailureKind::DivisionByZero;
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr auto kFeet = LengthUnit::Feet;
constexpr auto kInches = LengthUnit::Inches;
constexpr auto kNoResult = std::nullopt;
const Separators kCommaDecimal{u",", u"."};

using Read = std::pair<std::u16string, Outcome<double>>;

void expectReads(const Separators& separators, std::initializer_list<Read> cases) {
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(attempt([&] { return toNumber(text, separators); }), expected)
        << ::testing::PrintToString(text);
  }
}

TEST(ToNumber, EnglishText_ReadsTheGrammarWithGroupsBetweenWholeDigitsAndOverflowsBeyondDoubles) {
  expectReads({}, {Read(u" 7 ", 7.0), Read(u"\t+7\u00A0", 7.0), Read(u"-.5", -0.5),
                   Read(u"5.", 5.0), Read(u"1.5E3", 1500.0), Read(u"15e-1", 1.5),
                   Read(u"1,250", 1250.0), Read(u"1,5", 15.0), Read(u"-12,345.5", -12345.5),
                   Read(u"0.1", 0.1), Read(u"9007199254740993", 9007199254740992.0)});
  for (const char16_t* text : {u"",      u" ",     u"7 ft",  u".",   u"-",   u"1e",   u"e5",
                               u"+-1",   u"--1",   u"1.2.3", u",1",  u"1,",  u"1,,2", u"1,.5",
                               u"1.2,3", u"1e1,0", u"1 000", u"inf", u"nan", u"0x10", u"\uFF11"}) {
    expectReads({}, {Read(text, kMismatch)});
  }
  // Beyond the double range: Overflow above, zero below.
  const std::u16string zeros(400, u'0');
  expectReads({}, {Read(u"1.7976931348623158e308", kMax),
                   Read(u"1.7976931348623159e308", kOverflow), Read(u"-1e309", kOverflow),
                   Read(u"1" + zeros, kOverflow), Read(u"1e999999999999999999999", kOverflow),
                   Read(u"4.9E-324", std::numeric_limits<double>::denorm_min()),
                   Read(u"-1E-400", 0.0), Read(u"0." + zeros + u"1e10", 0.0)});
}

TEST(ToNumber, RegionalSettings_DecideWhichSeparatorIsDecimalAndWhichGroups) {
  expectReads({u",", u"."}, {Read(u"1,5", 1.5), Read(u"1.250,5", 1250.5), Read(u"1.5", 15.0),
                             Read(u",5", 0.5), Read(u"1,5e3", 1500.0), Read(u"1,2,3", kMismatch)});
  expectReads({u".", u"\u202F"}, {Read(u"1\u202F250.5", 1250.5), Read(u"1 250", 1250.0),
                                  Read(u"1\u00A0250", kMismatch)});
  expectReads({u"dp", u"gs"},
              {Read(u"1gs250dp5", 1250.5), Read(u"1g250", kMismatch), Read(u"1d5", kMismatch)});
  expectReads({u".", u""}, {Read(u"1,250", kMismatch)});
}

using Shows = std::pair<double, std::u16string_view>;

TEST(ToText, Value_ShowsFifteenDigitsAndSwitchesToExponentFormAfterRoundingButNoInfinity) {
  for (const auto& [x, expected] :
       {Shows(0.0, u"0"), Shows(-0.0, u"0"), Shows(-1.5, u"-1.5"), Shows(103.6, u"103.6"),
        Shows(1234567.5, u"1234567.5"), Shows(1.0 / 3, u"0.333333333333333"),
        Shows(2.0 / 3, u"0.666666666666667"), Shows(0.1 + 0.2, u"0.3"), Shows(0.0001, u"0.0001"),
        Shows(9.999999999999999e-5, u"0.0001"), Shows(0.00001, u"1E-05"),
        Shows(-1.5e-5, u"-1.5E-05"), Shows(999999999999999, u"999999999999999"),
        Shows(999999999999999.5, u"1E+15"), Shows(123456789012345678.0, u"1.23456789012346E+17"),
        Shows(1e100, u"1E+100"), Shows(kMax, u"1.79769313486232E+308")}) {
    EXPECT_EQ(toText(x), expected) << x;
  }
  EXPECT_EQ(toText(-0.05, {u",", u"."}), u"-0,05");
  EXPECT_EQ(toText(1.5e-5, {u"dp", u"gs"}), u"1dp5E-05");
  for (double x : {kMax * 2, -kMax * 2, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(attempt([&] { return toText(x); }), Outcome<std::u16string>(kOverflow)) << x;
  }
}

TEST(RoundHalfEven, TwoPlaces_DecidesTiesOnTheScaledDouble) {
  // 12.5, 37.5, 267.5 and 13.5 are exact ties; 1.005 × 100 lies below 100.5;
  // 0.235 × 100 is 23.5 but 0.235 / 0.01 is not, and 35 × 0.01 is not 0.35.
  using Rounds = std::pair<double, double>;
  for (const auto& [x, expected] :
       {Rounds(0.125, 0.12), Rounds(0.375, 0.38), Rounds(2.675, 2.68), Rounds(0.135, 0.14),
        Rounds(1.005, 1), Rounds(-0.125, -0.12), Rounds(-2.675, -2.68), Rounds(0.015, 0.02),
        Rounds(0.235, 0.24), Rounds(0.35, 0.35), Rounds(kMax, kMax)}) {
    EXPECT_EQ(roundHalfEven(x, 2), expected) << x;
  }
}

using Result = Outcome<std::optional<std::u16string>>;

TEST(VolumeEstimate, Dimensions_GiveCubicYardsToHundredthsOrTheFirstFailureInReadingOrder) {
  using Volume =
      std::tuple<std::u16string, std::u16string, std::u16string, std::optional<LengthUnit>, Result>;
  for (const auto& [length, width, depth, unit, expected] :
       {Volume(u"10", u"10", u"0.5", kFeet, u"1.85"),
        Volume(u"120", u"144", u"4", kInches, u"1.48"),
        Volume(u"12", u"12", u"12", kInches, u"0.04"), Volume(u"12", u"12", u"12", kFeet, u"64"),
        Volume(u"1", u"1", u"-27", kFeet, u"-1"),
        Volume(u"1", u"1", u"-0.1", kFeet, u"0"),   // -0.0037 rounds to -0, shown as 0
        Volume(u"1", u"1", u"0.135", kFeet, u"0"),  // 0.5 hundredths: a tie, to even
        // An empty text is tested before any is read, in the order length, width, depth.
        Volume(u"", u"x", u"x", kFeet, kNoResult), Volume(u"1", u"", u"x", kInches, kNoResult),
        Volume(u"1", u"1", u"", kFeet, kNoResult), Volume(u"x", u"y", u"z", std::nullopt, u"0"),
        Volume(u" ", u"1", u"1", kFeet, kMismatch),
        // Width is read first, then length, the area is checked, then depth.
        Volume(u"1E999", u"x", u"1", kFeet, kMismatch),
        Volume(u"x", u"1E999", u"1", kFeet, kOverflow),
        Volume(u"x", u"1", u"1E999", kInches, kMismatch),
        Volume(u"1E200", u"1E200", u"x", kFeet, kOverflow),
        Volume(u"1", u"1", u"1E999", kFeet, kOverflow)}) {
    EXPECT_EQ(attempt([&] { return VolumeEstimate(length, width, depth, unit); }), expected)
        << ::testing::PrintToString(std::tuple(length, width, depth));
  }
  EXPECT_EQ(VolumeEstimate(u"10", u"1.000", u"0,5", kFeet, kCommaDecimal), u"185,19");
}

TEST(CostEstimate, PriceAndShownVolume_GiveTheUnroundedProductOrThePriceFailureFirst) {
  using Cost = std::tuple<std::u16string, std::u16string, Result>;
  for (const auto& [price, volume, expected] :
       {Cost(u"70", u"1.48", u"103.6"), Cost(u"3", u"1.1", u"3.3"),
        Cost(u"65.5", u"1.85", u"121.175"), Cost(u"x", u"", kNoResult),
        Cost(u"", u"1.85", kMismatch), Cost(u"x", u"1E999", kMismatch),
        Cost(u"1E999", u"x", kOverflow), Cost(u"1E200", u"1E200", kOverflow)}) {
    EXPECT_EQ(attempt([&] { return CostEstimate(price, volume); }), expected)
        << ::testing::PrintToString(std::tuple(price, volume));
  }
  EXPECT_EQ(CostEstimate(u"70", u"1,48", kCommaDecimal), u"103,6");
}

TEST(DoRound, EachMode_GivesItsMultipleOrFailureAndLeavesItsValueInTheCallersVariable) {
  // Mode, value, step, result, the caller's value afterwards.
  using Call = std::tuple<std::u16string, double, double, Outcome<double>, double>;
  for (const auto& [mode, before, step, expected, after] :
       {Call(u"DN", 12, 5, 10.0, 12), Call(u"DN", -12, 5, -15.0, -12),
        Call(u"DN", 12, -5, 15.0, 12), Call(u"DN", 7.25, 0.5, 7.0, 7.25),
        Call(u"DN", 0.3, 0.1, 0.2, 0.3), Call(u"DN", 12, 0, kByZero, 12),
        Call(u"DN", 0, 0, kOverflow, 0), Call(u"DN", 1e308, 1e-10, kOverflow, 1e308),
        Call(u"DN", kInfinity, 5, kOverflow, kInfinity),
        // UP moves only when the 32-bit remainder of the rounded numbers is positive.
        Call(u"UP", 12, 5, 15.0, 12), Call(u"UP", 15, 5, 15.0, 15), Call(u"UP", 7.6, 5, 10.0, 7.6),
        Call(u"UP", 10.4, 5, 10.4, 10.4), Call(u"UP", 9.6, 5, 9.6, 9.6),
        Call(u"UP", 5, 2.5, 7.5, 5), Call(u"UP", 2.3, 1, 2.3, 2.3), Call(u"UP", -12, 5, -12.0, -12),
        Call(u"UP", 12, -5, 10.0, 12), Call(u"UP", 2147483647, 5, 2147483650.0, 2147483647),
        Call(u"UP", -2147483648.5, 3, -2147483648.5, -2147483648.5),
        Call(u"UP", 12, 0.5, kByZero, 12), Call(u"UP", 3e9, 0.5, kOverflow, 3e9),
        Call(u"UP", 2147483647.5, 5, kOverflow, 2147483647.5),
        Call(u"UP", 5, -2147483648.6, kOverflow, 5),
        Call(u"UP", -2147483648, -1, kOverflow, -2147483648),
        // NE leaves value + step / 2 behind, also when a later step fails.
        Call(u"NE", 12, 5, 10.0, 14.5), Call(u"NE", 12.5, 5, 15.0, 15),
        Call(u"NE", -12.5, 5, -10.0, -10), Call(u"NE", 12.5, -5, 10.0, 10),
        Call(u"NE", 7.25, 0.5, 7.5, 7.5), Call(u"NE", 12, 0, kByZero, 12),
        Call(u"NE", 0, 0, kOverflow, 0), Call(u"NE", kMax, kMax, kOverflow, kMax),
        Call(u"NE", 12, kInfinity, kOverflow, 12),
        // Any other mode, however close, gives 0 and never fails.
        Call(u"dn", 12, 5, 0.0, 12), Call(u"DN ", 12, 5, 0.0, 12),
        Call(u"UPP", 3e9, 0, 0.0, 3e9)}) {
    double value = before;
    EXPECT_EQ(attempt([&] { return doRound(value, step, mode); }), expected)
        << ::testing::PrintToString(std::tuple(mode, before, step));
    EXPECT_EQ(value, after) << ::testing::PrintToString(std::tuple(mode, before, step));
  }
}

}  // namespace
}  // namespace estimate
