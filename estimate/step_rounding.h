#pragma once

#include <string_view>

namespace estimate {

// Rounds `value` to a multiple of `RStep` in mode "DN", "UP" or "NE"; any
// other mode gives 0 and never fails. Mode "NE" leaves value + RStep / 2 in
// `value`. Throws Failure(Overflow) for a value or step that is not finite,
// for a result beyond the double range or a 0 / 0, and for "UP" when a
// whole-number rounding leaves the 32-bit range; Failure(DivisionByZero) for
// any other division by zero.
double doRound(double& value, const double& RStep, std::u16string_view Mode);

}  // namespace estimate
