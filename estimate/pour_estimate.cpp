#include "estimate/pour_estimate.h"

#include "estimate/failure.h"
#include "estimate/internal/checked_arithmetic.h"
#include "estimate/number_to_text.h"
#include "estimate/round_half_even.h"
#include "estimate/text_to_number.h"

namespace estimate {
namespace {

using internal::checkedProduct;
using internal::checkedQuotient;

constexpr double kCubicInchesPerCubicFoot = 1728;
constexpr double kCubicFeetPerCubicYard = 27;
constexpr int kVolumePlaces = 2;

double read(std::u16string_view text, Input input, const Separators& separators) {
  try {
    return toNumber(text, separators);
  } catch (const Failure& failure) {
    throw Failure(failure.kind(), input);
  }
}

}  // namespace

std::optional<std::u16string> VolumeEstimate(std::u16string_view length, std::u16string_view width,
                                             std::u16string_view depth,
                                             std::optional<LengthUnit> unit,
                                             const Separators& separators) {
  if (length.empty() || width.empty() || depth.empty()) {
    return std::nullopt;
  }
  double volume = 0;
  if (unit == LengthUnit::Inches || unit == LengthUnit::Feet) {
    // The conversion order decides which failure the user sees when two
    // fields are wrong, so it is kept: width, length, then depth.
    const double w = read(width, Input::Width, separators);
    const double l = read(length, Input::Length, separators);
    const double area = checkedProduct(l, w);
    const double d = read(depth, Input::Depth, separators);
    volume = checkedProduct(d, area);
    if (unit == LengthUnit::Inches) {
      volume = checkedQuotient(volume, kCubicInchesPerCubicFoot);
    }
    volume = checkedQuotient(volume, kCubicFeetPerCubicYard);
  }
  return toText(roundHalfEven(volume, kVolumePlaces), separators);
}

std::optional<std::u16string> CostEstimate(std::u16string_view price, std::u16string_view volume,
                                           const Separators& separators) {
  if (volume.empty()) {
    return std::nullopt;
  }
  const double p = read(price, Input::Price, separators);
  const double v = read(volume, Input::Volume, separators);
  return toText(checkedProduct(v, p), separators);
}

}  // namespace estimate
