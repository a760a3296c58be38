#include <cmath>
#include <cstdint>
#include <string>

#include "estimate/estimate.h"
#include "fuzz_input.h"
#include "properties.h"
#include "reference_number.h"
#include "separator_settings.h"

// Input: a header line choosing the regional settings, then the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const auto& separators = fuzz::kSeparatorSettings[input.choice(fuzz::kSeparatorSettings.size())];
  input.endHeader();
  const std::u16string text = input.lastText();
  const std::string call = "toNumber(" + fuzz::printable(text) + ")";

  const auto actual = fuzz::attempt([&] { return estimate::toNumber(text, separators); });
  fuzz::check(actual.failure != estimate::FailureKind::DivisionByZero,
              "toNumber fails only with TypeMismatch or Overflow", call);
  fuzz::checkSameOutcome(actual, fuzz::ReferenceNumber::read(text, separators),
                         "toNumber reads the nearest double of what the grammar accepts", call);
  const auto padded =
      fuzz::attempt([&] { return estimate::toNumber(u" \u00A0" + text + u"\t ", separators); });
  fuzz::checkSameOutcome(padded, actual, "blanks at the ends change nothing", call);
  if (actual.value) {
    fuzz::check(std::isfinite(*actual.value), "toNumber gives a finite number", call);
    const auto shown = fuzz::attempt([&] { return estimate::toText(*actual.value, separators); });
    fuzz::check(shown.value.has_value(), "a number read is shown", call);
    fuzz::checkShownText(*shown.value, *actual.value, separators);
  }
  return 0;
}
