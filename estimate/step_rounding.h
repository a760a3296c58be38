#pragma once

#include <string_view>

namespace estimate {

// Rounds `value` to a multiple of `RStep` in mode "DN", "UP" or "NE"; any
// other mode gives 0. Mode "NE" leaves value + RStep / 2 in `value`.
double doRound(double& value, const double& RStep, std::u16string_view Mode);

}  // namespace estimate
