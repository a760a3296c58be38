#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <string>
#include <utility>

#include "estimate/text_to_number.h"
#include "outcome.h"

namespace estimate {
namespace {

using namespace std::string_view_literals;
using testing::Outcome;

constexpr auto kMismatch = FailureKind::TypeMismatch;
constexpr auto kOverflow = FailureKind::Overflow;
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiniest = std::numeric_limits<double>::denorm_min();

void expectNumbers(const Separators& separators,
                   std::initializer_list<std::pair<std::u16string, Outcome<double>>> cases) {
  for (const auto& [text, expected] : cases) {
    const auto actual = testing::attempt([&] { return toNumber(text, separators); });
    EXPECT_TRUE(testing::sameOutcome(actual, expected))
        << testing::shortened(text) << " gave " << testing::describe(actual) << ", want "
        << testing::describe(expected);
  }
}

std::pair<std::u16string, Outcome<double>> reads(std::u16string text, Outcome<double> expected) {
  return {std::move(text), expected};
}

std::u16string zeros(std::size_t count) {
  return std::u16string(count, u'0');
}

TEST(ToNumberGrammar, AcceptsSignsPointsExponentsBlanksAtTheEndsAndGroups) {
  expectNumbers({}, {reads(u"7", 7.0),         reads(u" 7 ", 7.0),
                     reads(u"\t7\u00A0", 7.0), reads(u"\u202F7", 7.0),
                     reads(u"+7", 7.0),        reads(u"-7", -7.0),
                     reads(u"5.", 5.0),        reads(u".5", 0.5),
                     reads(u"-.5", -0.5),      reads(u"1.5E3", 1500.0),
                     reads(u"1.5e+3", 1500.0), reads(u"15e-1", 1.5),
                     reads(u"5.e1", 50.0),     reads(u"0001", 1.0),
                     reads(u"1E0003", 1000.0), reads(u"1e+000000000000000000000003", 1000.0),
                     reads(u"1,250", 1250.0),  reads(u"1,5", 15.0),
                     reads(u"1,2,3", 123.0),   reads(u"-12,345.5", -12345.5)});
}

TEST(ToNumberGrammar, RejectsAnythingElseAsTypeMismatch) {
  for (std::u16string_view text :
       {u""sv,      u" \t "sv,   u"7 ft"sv,   u"."sv,      u"-"sv,    u"+."sv,  u"1e"sv,
        u"1E+"sv,   u"e5"sv,     u".e5"sv,    u"--1"sv,    u"+-1"sv,  u"- 1"sv, u"1.2.3"sv,
        u"1e5.5"sv, u"0x10"sv,   u"&H10"sv,   u"(5)"sv,    u"5-"sv,   u"$5"sv,  u"inf"sv,
        u"nan"sv,   u"\u0661"sv, u"\uFF11"sv, u"1\0002"sv, u",1"sv,   u"1,"sv,  u"1,,2"sv,
        u"1.2,3"sv, u"1e1,0"sv,  u"-,1"sv,    u"1,.5"sv,   u"1 000"sv}) {
    EXPECT_EQ(testing::attempt([&] { return toNumber(text); }), Outcome<double>(kMismatch))
        << testing::shortened(text);
  }
}

TEST(ToNumberGrammar, FollowsTheRegionalSeparators) {
  expectNumbers({u",", u"."},
                {reads(u"1,5", 1.5), reads(u"1.250,5", 1250.5), reads(u"1.5", 15.0),
                 reads(u",5", 0.5), reads(u"1,5e3", 1500.0), reads(u"1,2,3", kMismatch)});
  expectNumbers({u".", u"\u202F"}, {reads(u"1\u202F250.5", 1250.5), reads(u"1 250", 1250.0),
                                    reads(u"1\u00A0250", kMismatch)});
  expectNumbers({u".", u"\u2019"}, {reads(u"1\u2019250.5", 1250.5), reads(u"1'250", kMismatch),
                                    reads(u"1 250", kMismatch)});
  expectNumbers({u"dp", u"gs"}, {reads(u"1gs250dp5", 1250.5), reads(u"1g250", kMismatch),
                                 reads(u"1d5", kMismatch), reads(u"1.5", kMismatch)});
  expectNumbers({u",", u","}, {reads(u"1,5", 1.5)});  // the decimal separator wins
  expectNumbers({u"", u","}, {reads(u"1.5", 1.5)});
  expectNumbers({u".", u""}, {reads(u"1,250", kMismatch), reads(u"1250", 1250.0)});
}

TEST(ToNumberValue, IsTheNearestDoubleUpToTheEndsOfTheRange) {
  expectNumbers(
      {}, {reads(u"0.1", 0.1), reads(u"1.7976931348623158e308", kMax),
           reads(u"1.7976931348623159e308", kOverflow), reads(u"-1e309", kOverflow),
           reads(u"1" + zeros(309), kOverflow), reads(u"1e999999999999999999999", kOverflow),
           reads(u"2.2250738585072014E-308", DBL_MIN),
           reads(u"2.2250738585072011e-308", 0x0.fffffffffffffp-1022), reads(u"4.9E-324", kTiniest),
           reads(u"2.4703282292062328E-324", kTiniest), reads(u"2.4703282292062327E-324", 0.0),
           reads(u"-1E-400", -0.0), reads(u"-0", -0.0), reads(u"1e-999999999999999999999", 0.0),
           reads(u"0e99999999999", 0.0),
           // Leading and trailing zeros move the exponent, not the range test.
           reads(u"0." + zeros(399) + u"1e400", 1.0), reads(u"1" + zeros(400) + u"e-400", 1.0),
           // Ties and near-ties: the last digit decides, however far.
           reads(u"9007199254740993", 9007199254740992.0),
           reads(u"9007199254740995", 9007199254740996.0),
           reads(u"9007199254740993." + zeros(10000) + u"1", 9007199254740994.0),
           reads(u"1" + std::u16string(20000, u'1') + u"e-20000", 1.1111111111111112)});
}

}  // namespace
}  // namespace estimate
