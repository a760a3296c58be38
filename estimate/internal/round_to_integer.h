#pragma once

#include <cmath>

namespace estimate::internal {

// Nearest whole number, an exact half going to the even neighbour, by
// explicit comparison so that the result never depends on the floating-point
// rounding mode in force. Works on the magnitude so that negative values are
// rounded symmetrically (and -0 stays -0). Infinities and NaN come back as
// they are.
inline double roundHalfToEvenInteger(double x) {
  const double magnitude = std::fabs(x);
  double whole = std::floor(magnitude);
  // Exact: for magnitudes of 1 and more `whole` is within a factor of two of
  // `magnitude` (Sterbenz), below 1 `whole` is 0.
  const double fraction = magnitude - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) {
    whole += 1;
  }
  return std::copysign(whole, x);
}

}  // namespace estimate::internal
