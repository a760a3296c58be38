#include <cmath>
#include <cstdint>
#include <string>

#include "estimate/estimate.h"
#include "fuzz_input.h"
#include "properties.h"
#include "reference_format.h"

// Input: the bits of the double to round to two places.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const double x = input.rawDouble();
  const std::string call = "roundHalfEven(" + fuzz::describe(x) + ", 2)";

  const auto actual = fuzz::attempt([&] { return estimate::roundHalfEven(x, 2); });
  fuzz::check(!actual.failure, "roundHalfEven never fails", call);
  fuzz::check(std::isfinite(*actual.value) == std::isfinite(x),
              "roundHalfEven keeps a finite value finite",
              call + " gave " + fuzz::describe(actual));
  if (std::isfinite(x)) {
    fuzz::checkSameOutcome(actual, {fuzz::referenceRoundHalfEven(x, 2), std::nullopt},
                           "roundHalfEven rounds the scaled double half to even", call);
  }
  return 0;
}
