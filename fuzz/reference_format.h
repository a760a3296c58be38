#pragma once

#include <cmath>
#include <cstdio>
#include <string>

#include "estimate/estimate.h"
#include "properties.h"

namespace fuzz {

// The display text worked out a second way, through the C library: "%.15G"
// already has the rules of the display (15 digits, exponent form outside
// 1E-04..1E+15, trailing zeros dropped, two exponent digits at least), so
// only the separator and negative zero are left to adjust.
inline Outcome<std::u16string> referenceText(double x, const estimate::Separators& separators) {
  if (!std::isfinite(x)) {
    return Outcome<std::u16string>::failed(estimate::FailureKind::Overflow);
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15G", x == 0 ? 0.0 : x);
  std::u16string text;
  for (const char* c = buffer; *c != '\0'; ++c) {
    if (*c == '.') {
      text += separators.decimal;
    } else {
      text.push_back(static_cast<char16_t>(*c));
    }
  }
  return {text, std::nullopt};
}

// Two-place rounding as the display uses it: scale in one multiplication,
// round to the even whole number, divide back. A value too large to scale has
// no fraction left to round.
inline double referenceRoundHalfEven(double x, int places) {
  const double scale = std::pow(10.0, places);
  const double scaled = x * scale;
  if (!std::isfinite(scaled)) {
    return x;
  }
  return std::nearbyint(scaled) / scale;
}

}  // namespace fuzz
