#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "estimate/estimate.h"
#include "properties.h"
#include "reference_format.h"
#include "reference_number.h"

namespace fuzz {

// The two estimates worked out step by step from the reference conversions,
// failing at the first step that fails, in the order the rules convert and
// check. Every product and quotient that comes out infinite is an Overflow.
class ReferenceEstimate {
 public:
  using Result = Outcome<std::optional<std::u16string>>;

  struct Volume {
    Result outcome;
    double unrounded = 0;  // the volume before rounding, when computed
  };

  static Volume volume(std::u16string_view length, std::u16string_view width,
                       std::u16string_view depth, std::optional<estimate::LengthUnit> unit,
                       const estimate::Separators& separators) {
    if (length.empty() || width.empty() || depth.empty()) {
      return {{std::optional<std::u16string>(), std::nullopt}};
    }
    double v = 0;
    if (unit) {
      const auto w = ReferenceNumber::read(width, separators);
      if (w.failure) {
        return {Result::failed(*w.failure)};
      }
      const auto l = ReferenceNumber::read(length, separators);
      if (l.failure) {
        return {Result::failed(*l.failure)};
      }
      const double area = *l.value * *w.value;
      if (std::isinf(area)) {
        return {Result::failed(estimate::FailureKind::Overflow)};
      }
      const auto d = ReferenceNumber::read(depth, separators);
      if (d.failure) {
        return {Result::failed(*d.failure)};
      }
      v = *d.value * area;
      if (unit == estimate::LengthUnit::Inches) {
        v = v / 1728;
      }
      v = v / 27;
      if (std::isinf(v)) {
        return {Result::failed(estimate::FailureKind::Overflow)};
      }
    }
    return {shown(referenceRoundHalfEven(v, 2), separators), v};
  }

  static Result cost(std::u16string_view price, std::u16string_view volume,
                     const estimate::Separators& separators) {
    if (volume.empty()) {
      return {std::optional<std::u16string>(), std::nullopt};
    }
    const auto p = ReferenceNumber::read(price, separators);
    if (p.failure) {
      return Result::failed(*p.failure);
    }
    const auto v = ReferenceNumber::read(volume, separators);
    if (v.failure) {
      return Result::failed(*v.failure);
    }
    return shown(*v.value * *p.value, separators);
  }

  static Result shown(double x, const estimate::Separators& separators) {
    const auto text = referenceText(x, separators);
    if (text.failure) {
      return Result::failed(*text.failure);
    }
    return {std::optional<std::u16string>(*text.value), std::nullopt};
  }
};

}  // namespace fuzz
