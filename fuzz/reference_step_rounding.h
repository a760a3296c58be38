#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "estimate/estimate.h"
#include "properties.h"

namespace fuzz {

// Step rounding worked out from its rules, with each floating-point exception
// read off the operands and the result instead of the FPU flags: with finite
// operands a division is by zero only when the divisor is zero, invalid only
// for 0 / 0, and any other step overflowed exactly when it came out infinite.
class ReferenceStepRounding {
 public:
  using Kind = estimate::FailureKind;

  struct Expected {
    Outcome<double> outcome;
    double valueAfter;
  };

  static Expected run(double value, double step, std::u16string_view mode) {
    if (mode != u"DN" && mode != u"UP" && mode != u"NE") {
      return {{0.0, std::nullopt}, value};
    }
    if (!std::isfinite(value) || !std::isfinite(step)) {
      return {Outcome<double>::failed(Kind::Overflow), value};
    }
    if (mode == u"DN") {
      return {multipleBelow(value, step), value};
    }
    if (mode == u"UP") {
      return {up(value, step), value};
    }
    const double s = step / 2 + value;
    if (std::isinf(s)) {
      return {Outcome<double>::failed(Kind::Overflow), value};
    }
    return {multipleBelow(s, step), s};
  }

 private:
  // floor(dividend / step) * step, failing as the two double steps would.
  static Outcome<double> multipleBelow(double dividend, double step) {
    if (step == 0) {
      return Outcome<double>::failed(dividend == 0 ? Kind::Overflow : Kind::DivisionByZero);
    }
    const double q = dividend / step;
    if (std::isinf(q)) {
      return Outcome<double>::failed(Kind::Overflow);
    }
    const double product = std::floor(q) * step;
    if (std::isinf(product)) {
      return Outcome<double>::failed(Kind::Overflow);
    }
    return {product, std::nullopt};
  }

  static std::optional<int32_t> wholeNumber(double x) {
    const double rounded = std::nearbyint(x);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
      return std::nullopt;
    }
    return static_cast<int32_t>(rounded);
  }

  static Outcome<double> up(double value, double step) {
    const auto a = wholeNumber(value);
    if (!a) {
      return Outcome<double>::failed(Kind::Overflow);
    }
    const auto b = wholeNumber(step);
    if (!b) {
      return Outcome<double>::failed(Kind::Overflow);
    }
    if (*b == 0) {
      return Outcome<double>::failed(Kind::DivisionByZero);
    }
    if (*a == INT32_MIN && *b == -1) {
      return Outcome<double>::failed(Kind::Overflow);
    }
    if (*a % *b <= 0) {
      return {value, std::nullopt};
    }
    const Outcome<double> below = multipleBelow(value, step);
    if (!below.value) {
      return below;
    }
    const double result = *below.value + step;
    if (std::isinf(result)) {
      return Outcome<double>::failed(Kind::Overflow);
    }
    return {result, std::nullopt};
  }
};

}  // namespace fuzz
