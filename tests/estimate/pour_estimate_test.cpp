#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "estimate/pour_estimate.h"
#include "outcome.h"

namespace estimate {
namespace {

using testing::attempt;
using Result = testing::Outcome<std::optional<std::u16string>>;

constexpr auto kMismatch = FailureKind::TypeMismatch;
constexpr auto kOverflow = FailureKind::Overflow;
constexpr auto kFeet = LengthUnit::Feet;
constexpr auto kInches = LengthUnit::Inches;
const Separators kCommaDecimal{u",", u"."};

Result text(std::u16string_view shown) {
  return std::optional<std::u16string>(shown);
}
const Result kNoResult = std::optional<std::u16string>();

TEST(VolumeEstimate, ComputesCubicYardsRoundedToHundredths) {
  struct Case {
    std::u16string_view length, width, depth;
    std::optional<LengthUnit> unit;
    Result expected;
  };
  const Case cases[] = {
      {u"10", u"10", u"0.5", kFeet, text(u"1.85")},
      {u"120", u"144", u"4", kInches, text(u"1.48")},
      {u"12", u"12", u"12", kInches, text(u"0.04")},
      {u"12", u"12", u"12", kFeet, text(u"64")},
      {u"0", u"10", u"10", kFeet, text(u"0")},
      {u"1", u"1", u"-27", kFeet, text(u"-1")},
      {u"1", u"1", u"0.1", kFeet, text(u"0")},    // 0.0037 cubic yards
      {u"1", u"1", u"0.135", kFeet, text(u"0")},  // scaled exactly to 0.5: tie, to even
      // No result for an empty dimension, whatever else the fields hold.
      {u"", u"x", u"x", kFeet, kNoResult},
      {u"1", u"", u"x", kInches, kNoResult},
      {u"1", u"1", u"", kFeet, kNoResult},
      {u"", u"", u"", std::nullopt, kNoResult},
      // Without a unit nothing is converted.
      {u"x", u"y", u"z", std::nullopt, text(u"0")},
      {u" ", u"1", u"1", kFeet, kMismatch},
      // Conversion order width, length, product check, depth.
      {u"1E999", u"x", u"1", kFeet, kMismatch},
      {u"x", u"1E999", u"1", kFeet, kOverflow},
      {u"x", u"1", u"1E999", kInches, kMismatch},
      {u"1E200", u"1E200", u"x", kFeet, kOverflow},
      {u"1E300", u"1E5", u"1E5", kInches, kOverflow},
      {u"1", u"1", u"1E999", kFeet, kOverflow},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(attempt([&] { return VolumeEstimate(c.length, c.width, c.depth, c.unit); }),
              c.expected);
  }
}

TEST(VolumeEstimate, ReadsAndWritesTheRegionalSeparators) {
  EXPECT_EQ(VolumeEstimate(u"10", u"1.000", u"0,5", kFeet, kCommaDecimal), u"185,19");
}

TEST(CostEstimate, MultipliesTheShownVolumeByThePrice) {
  struct Case {
    std::u16string_view price, volume;
    Result expected;
  };
  const Case cases[] = {
      {u"70", u"1.48", text(u"103.6")},
      {u"55", u"1.85", text(u"101.75")},
      {u"3", u"1.1", text(u"3.3")},
      {u"0", u"5", text(u"0")},
      {u"-1", u"0", text(u"0")},
      {u"x", u"", kNoResult},
      {u"", u"1.85", kMismatch},
      // The price is converted first.
      {u"x", u"1E999", kMismatch},
      {u"1E999", u"x", kOverflow},
      {u"70", u"x", kMismatch},
      {u"1E200", u"1E200", kOverflow},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(attempt([&] { return CostEstimate(c.price, c.volume); }), c.expected);
  }
  EXPECT_EQ(CostEstimate(u"70", u"1,48", kCommaDecimal), u"103,6");
}

}  // namespace
}  // namespace estimate
