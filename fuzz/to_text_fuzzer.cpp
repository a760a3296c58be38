#include <cstdint>
#include <string>

#include "estimate/estimate.h"
#include "fuzz_input.h"
#include "properties.h"
#include "reference_format.h"
#include "separator_settings.h"

// Input: a choice of regional settings, then the bits of the double.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const auto& separators = fuzz::kSeparatorSettings[input.choice(fuzz::kSeparatorSettings.size())];
  const double x = input.rawDouble();
  const std::string call = "toText(" + fuzz::describe(x) + ")";

  const auto actual = fuzz::attempt([&] { return estimate::toText(x, separators); });
  fuzz::check(!actual.failure || actual.failure == estimate::FailureKind::Overflow,
              "toText fails only with Overflow", call);
  fuzz::checkSameOutcome(actual, fuzz::referenceText(x, separators),
                         "toText writes 15 significant digits as the display does", call);
  if (actual.value) {
    fuzz::checkShownText(*actual.value, x, separators);
  }
  return 0;
}
