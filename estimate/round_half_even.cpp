#include "estimate/round_half_even.h"

#include <algorithm>
#include <cmath>

#include "estimate/internal/round_to_integer.h"

namespace estimate {
namespace {

// Powers of ten that are exact doubles; more places than these are treated
// as this many, since they would no longer scale by one rounding alone.
constexpr int kMaxPlaces = 22;
constexpr double kPowersOfTen[kMaxPlaces + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

double roundHalfEven(double x, int places) {
  if (!std::isfinite(x)) {
    return x;
  }
  const int clamped = std::clamp(places, -kMaxPlaces, kMaxPlaces);
  const double scale = kPowersOfTen[clamped < 0 ? -clamped : clamped];
  const double scaled = clamped < 0 ? x / scale : x * scale;
  // A value so large that scaling it overflows has no digits at that place
  // to round: it comes back as it is rather than as an infinity.
  if (!std::isfinite(scaled)) {
    return x;
  }
  const double whole = internal::roundHalfToEvenInteger(scaled);
  const double result = clamped < 0 ? whole * scale : whole / scale;
  return std::isfinite(result) ? result : x;
}

}  // namespace estimate
