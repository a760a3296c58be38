#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <variant>

#include "estimate/failure.h"

namespace estimate::testing {

// What an operation gave, or the kind of failure it threw, so that tables
// can hold both successes and failures in one column.
template <class Result>
using Outcome = std::variant<Result, FailureKind>;

template <class Operation>
auto attempt(Operation operation) -> Outcome<decltype(operation())> {
  try {
    return operation();
  } catch (const Failure& failure) {
    return failure.kind();
  }
}

// Doubles are compared by bit pattern: -0 differs from 0 and NaN equals NaN.
inline bool sameDouble(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

inline bool sameOutcome(const Outcome<double>& a, const Outcome<double>& b) {
  if (a.index() != b.index()) {
    return false;
  }
  return a.index() == 0 ? sameDouble(std::get<0>(a), std::get<0>(b)) : a == b;
}

// The start of a text as ASCII, for failure messages.
inline std::string shortened(std::u16string_view text) {
  std::string ascii;
  for (char16_t c : text.substr(0, 40)) {
    ascii += c < 0x80 ? static_cast<char>(c) : '?';
  }
  return '"' + ascii + (text.size() > 40 ? "...\"" : "\"");
}

inline std::string describe(const Outcome<double>& outcome) {
  if (outcome.index() == 1) {
    return Failure(std::get<1>(outcome)).what();
  }
  char text[64];
  const double value = std::get<0>(outcome);
  std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
  return text;
}

}  // namespace estimate::testing
