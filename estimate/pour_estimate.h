#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "estimate/separators.h"

namespace estimate {

enum class LengthUnit { Feet, Inches };

// Cubic yards of a rectangular pour, rounded to hundredths, as display text.
// No result when a dimension text is empty; "0" without a unit. Throws
// Failure(TypeMismatch) for a dimension that is not a number and
// Failure(Overflow) when a number or any step of the formula leaves the
// double range. Width is read first, then length, then depth; a failure to
// read one names it as its input.
std::optional<std::u16string> VolumeEstimate(std::u16string_view length, std::u16string_view width,
                                             std::u16string_view depth,
                                             std::optional<LengthUnit> unit,
                                             const Separators& separators = {});

// Price per cubic yard times the displayed volume, as display text, not
// rounded. No result when the volume text is empty; otherwise the price is
// read first, then the volume, with the failures of VolumeEstimate.
std::optional<std::u16string> CostEstimate(std::u16string_view price, std::u16string_view volume,
                                           const Separators& separators = {});

}  // namespace estimate
