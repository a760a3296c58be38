#include "estimate/step_rounding.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "estimate/failure.h"
#include "estimate/internal/checked_arithmetic.h"
#include "estimate/internal/round_to_integer.h"

namespace estimate {
namespace {

using internal::checkedProduct;
using internal::checkedQuotient;
using internal::checkedSum;

// Computing with an infinity or a NaN would only spread it into the result.
void requireFinite(double value, double step) {
  if (!std::isfinite(value) || !std::isfinite(step)) {
    throw Failure(FailureKind::Overflow);
  }
}

// The whole number nearest to `x` (ties to even) as a 32-bit integer; the
// range is checked on the rounded double, before any conversion.
std::int32_t toInt32(double x) {
  const double whole = internal::roundHalfToEvenInteger(x);
  if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
        whole <= std::numeric_limits<std::int32_t>::max())) {
    throw Failure(FailureKind::Overflow);
  }
  return static_cast<std::int32_t>(whole);
}

// Remainder of the truncating division, with the sign of `a`.
std::int32_t remainder32(std::int32_t a, std::int32_t b) {
  if (b == 0) {
    throw Failure(FailureKind::DivisionByZero);
  }
  // The quotient 2^31 is not a 32-bit integer; the division itself would trap.
  if (a == std::numeric_limits<std::int32_t>::min() && b == -1) {
    throw Failure(FailureKind::Overflow);
  }
  return a % b;
}

double roundDown(double value, double step) {
  const double q = checkedQuotient(value, step);
  return checkedProduct(std::floor(q), step);
}

// Decides on the whole-number roundings of both numbers whether to move at
// all; when it does, it moves from the multiple below by one step.
double roundUp(double value, double step) {
  const std::int32_t a = toInt32(value);
  const std::int32_t b = toInt32(step);
  if (remainder32(a, b) <= 0) {
    return value;
  }
  const double q = checkedQuotient(value, step);
  return checkedSum(checkedProduct(std::floor(q), step), step);
}

// Callers rely on finding value + step / 2 in their variable afterwards,
// even when the division that follows fails.
double roundNearest(double& value, double step) {
  const double shifted = checkedSum(step / 2, value);
  value = shifted;
  const double q = checkedQuotient(shifted, step);
  return checkedProduct(std::floor(q), step);
}

}  // namespace

double doRound(double& value, const double& RStep, std::u16string_view Mode) {
  if (Mode == u"DN") {
    requireFinite(value, RStep);
    return roundDown(value, RStep);
  }
  if (Mode == u"UP") {
    requireFinite(value, RStep);
    return roundUp(value, RStep);
  }
  if (Mode == u"NE") {
    requireFinite(value, RStep);
    return roundNearest(value, RStep);
  }
  return 0;
}

}  // namespace estimate
