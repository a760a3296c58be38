#pragma once

namespace estimate {

// `x` rounded to `places` decimal places on the scaled double, ties to even.
double roundHalfEven(double x, int places);

}  // namespace estimate
