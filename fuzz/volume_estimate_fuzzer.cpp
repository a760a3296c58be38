#include <cstdint>
#include <optional>
#include <string>

#include "estimate/estimate.h"
#include "fuzz_input.h"
#include "properties.h"
#include "reference_estimate.h"
#include "separator_settings.h"

// Input: a header line choosing the unit (0 none, 1 Feet, 2 Inches) and the
// regional settings, then the length, width and depth texts, one per line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using estimate::LengthUnit;
  fuzz::FuzzInput input(data, size);
  const std::optional<LengthUnit> units[] = {std::nullopt, LengthUnit::Feet, LengthUnit::Inches};
  const auto unit = units[input.choice(3)];
  const auto& separators = fuzz::kSeparatorSettings[input.choice(fuzz::kSeparatorSettings.size())];
  input.endHeader();
  const std::u16string length = input.text();
  const std::u16string width = input.text();
  const std::u16string depth = input.lastText();
  const char* unitName = !unit ? "none" : unit == LengthUnit::Feet ? "Feet" : "Inches";
  const std::string call = "VolumeEstimate(" + fuzz::printable(length) + ", " +
                           fuzz::printable(width) + ", " + fuzz::printable(depth) + ", " +
                           unitName + ")";

  const auto actual = fuzz::attempt(
      [&] { return estimate::VolumeEstimate(length, width, depth, unit, separators); });
  fuzz::check(actual.failure != estimate::FailureKind::DivisionByZero,
              "VolumeEstimate fails only with TypeMismatch or Overflow", call);
  const auto expected = fuzz::ReferenceEstimate::volume(length, width, depth, unit, separators);
  fuzz::checkSameOutcome(actual, expected.outcome, "VolumeEstimate computes as its rules say",
                         call);
  if (actual.value && *actual.value) {
    fuzz::checkShownText(**actual.value, fuzz::referenceRoundHalfEven(expected.unrounded, 2),
                         separators);
  }
  return 0;
}
