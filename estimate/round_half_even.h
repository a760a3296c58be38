#pragma once

namespace estimate {

// `x` rounded to `places` decimal places on the scaled double, ties to even.
// `places` is taken within -22..22, where the scale 10^places is exact.
// Infinities, NaN and values too large to scale come back unchanged.
double roundHalfEven(double x, int places);

}  // namespace estimate
