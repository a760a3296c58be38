#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "estimate/estimate.h"
#include "fuzz_input.h"
#include "properties.h"
#include "reference_step_rounding.h"

// Input: a mode choice (0 "DN", 1 "UP", 2 "NE", 3 the text at the end), the
// bits of `value` and of `RStep`, then the mode text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const std::u16string modes[] = {u"DN", u"UP", u"NE"};
  const size_t choice = input.choice(4);
  const double original = input.rawDouble();
  const double step = input.rawDouble();
  const std::u16string text = input.lastText();
  const std::u16string mode = choice < 3 ? modes[choice] : text;
  const std::string call = "doRound(" + fuzz::describe(original) + ", " + fuzz::describe(step) +
                           ", " + fuzz::printable(mode) + ")";

  double value = original;
  const auto actual = fuzz::attempt([&] { return estimate::doRound(value, step, mode); });
  const auto expected = fuzz::ReferenceStepRounding::run(original, step, mode);

  fuzz::check(actual.failure != estimate::FailureKind::TypeMismatch,
              "doRound fails only with Overflow or DivisionByZero", call);
  fuzz::check(actual.failure || std::isfinite(*actual.value), "doRound returns a finite number",
              call + " gave " + fuzz::describe(actual));
  fuzz::checkSameOutcome(actual, expected.outcome, "doRound does what its rules say", call);
  fuzz::check(std::bit_cast<uint64_t>(value) == std::bit_cast<uint64_t>(expected.valueAfter),
              "doRound leaves in value what its rules say",
              call + " left " + fuzz::describe(value) + ", expected " +
                  fuzz::describe(expected.valueAfter));
  return 0;
}
