#pragma once

#include <cmath>

#include "estimate/failure.h"

// Double steps that report the IEEE 754 exceptions invalid operation,
// division by zero and overflow as failures instead of carrying an infinity
// or a NaN into the next step. Underflow and inexact results pass silently.
namespace estimate::internal {

inline double finiteOrOverflow(double result) {
  if (!std::isfinite(result)) {
    throw Failure(FailureKind::Overflow);
  }
  return result;
}

inline double checkedProduct(double a, double b) {
  return finiteOrOverflow(a * b);
}

inline double checkedSum(double a, double b) {
  return finiteOrOverflow(a + b);
}

// 0 / 0 is an invalid operation (Overflow); anything else over zero is a
// division by zero.
inline double checkedQuotient(double dividend, double divisor) {
  if (divisor == 0) {
    throw Failure(dividend == 0 || std::isnan(dividend) ? FailureKind::Overflow
                                                        : FailureKind::DivisionByZero);
  }
  return finiteOrOverflow(dividend / divisor);
}

}  // namespace estimate::internal
