#pragma once

#include <string_view>

#include "estimate/separators.h"

namespace estimate {

// The double nearest to the decimal number written in `text`. Throws
// Failure(TypeMismatch) for a text that is not a number and
// Failure(Overflow) for one beyond the double range.
double toNumber(std::u16string_view text, const Separators& separators = {});

}  // namespace estimate
