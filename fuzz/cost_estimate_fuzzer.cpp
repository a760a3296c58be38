#include <cstdint>
#include <string>

#include "estimate/estimate.h"
#include "fuzz_input.h"
#include "properties.h"
#include "reference_estimate.h"
#include "reference_number.h"
#include "separator_settings.h"

// Input: a header line choosing the regional settings, then the price and
// the volume texts, one per line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const auto& separators = fuzz::kSeparatorSettings[input.choice(fuzz::kSeparatorSettings.size())];
  input.endHeader();
  const std::u16string price = input.text();
  const std::u16string volume = input.lastText();
  const std::string call =
      "CostEstimate(" + fuzz::printable(price) + ", " + fuzz::printable(volume) + ")";

  const auto actual =
      fuzz::attempt([&] { return estimate::CostEstimate(price, volume, separators); });
  fuzz::check(actual.failure != estimate::FailureKind::DivisionByZero,
              "CostEstimate fails only with TypeMismatch or Overflow", call);
  fuzz::checkSameOutcome(actual, fuzz::ReferenceEstimate::cost(price, volume, separators),
                         "CostEstimate computes as its rules say", call);
  if (actual.value && *actual.value) {
    const double total = *fuzz::ReferenceNumber::read(volume, separators).value *
                         *fuzz::ReferenceNumber::read(price, separators).value;
    fuzz::checkShownText(**actual.value, total, separators);
  }
  return 0;
}
