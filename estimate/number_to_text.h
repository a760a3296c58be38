#pragma once

#include <string>

#include "estimate/separators.h"

namespace estimate {

// `x` with at most 15 significant digits, in exponent form outside
// 1E-04 <= |x| < 1E+15; never "-0". Infinities and NaN have no text: they
// throw Failure(Overflow).
std::u16string toText(double x, const Separators& separators = {});

}  // namespace estimate
