#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "estimate/estimate.h"

namespace fuzz {

inline std::string printable(std::u16string_view text) {
  std::string out = "\"";
  for (const char16_t unit : text) {
    if (unit >= 0x20 && unit < 0x7F && unit != u'"' && unit != u'\\') {
      out.push_back(static_cast<char>(unit));
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(unit));
      out += escaped;
    }
  }
  return out + "\"";
}

// A broken property is a finding: say which one and on what, then abort so
// libFuzzer saves the input that broke it.
[[noreturn]] inline void fail(std::string_view property, const std::string& detail = {}) {
  std::fprintf(stderr, "\nBROKEN PROPERTY: %.*s\n%s\n", static_cast<int>(property.size()),
               property.data(), detail.c_str());
  std::abort();
}

inline void check(bool holds, std::string_view property, const std::string& detail = {}) {
  if (!holds) {
    fail(property, detail);
  }
}

inline std::string describe(double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g (%a)", x, x);
  return text;
}

inline const char* describe(estimate::FailureKind kind) {
  return estimate::Failure(kind).what();
}

// What an operation did: either a value or the kind of Failure it threw.
template <class T>
struct Outcome {
  std::optional<T> value;
  std::optional<estimate::FailureKind> failure;

  static Outcome failed(estimate::FailureKind kind) { return {std::nullopt, kind}; }
};

// Runs `operation`, turning estimate::Failure into an outcome. Anything else
// thrown breaks the core's contract that Failure is its one exception type.
template <class Operation>
auto attempt(Operation&& operation) -> Outcome<decltype(operation())> {
  try {
    return {operation(), std::nullopt};
  } catch (const estimate::Failure& failure) {
    const int expectedNumber[] = {13, 6, 11};
    check(failure.number() == expectedNumber[static_cast<int>(failure.kind())],
          "a Failure's number matches its kind", failure.what());
    return {std::nullopt, failure.kind()};
  } catch (const std::exception& other) {
    fail("only estimate::Failure is thrown", other.what());
  } catch (...) {
    fail("only estimate::Failure is thrown", "something that is not a std::exception");
  }
}

inline std::string describe(const std::u16string& text) {
  return printable(text);
}

template <class T>
std::string describe(const Outcome<T>& outcome) {
  if (outcome.failure) {
    return std::string("failure ") + describe(*outcome.failure);
  }
  if (!outcome.value) {
    return "nothing";
  }
  return describe(*outcome.value);
}

template <class T>
std::string describe(const Outcome<std::optional<T>>& outcome) {
  if (outcome.value && !*outcome.value) {
    return "no result";
  }
  return outcome.failure ? describe(Outcome<T>{std::nullopt, outcome.failure})
                         : describe(Outcome<T>{**outcome.value, std::nullopt});
}

// The operation did what the reference says: the same failure, or an equal
// value (== on doubles, so a zero's sign does not count here).
template <class T>
void checkSameOutcome(const Outcome<T>& actual, const Outcome<T>& expected,
                      std::string_view property, const std::string& call) {
  const bool same = actual.failure ? actual.failure == expected.failure
                                   : !expected.failure && *actual.value == *expected.value;
  check(same, property, call + " gave " + describe(actual) + ", expected " + describe(expected));
}

inline bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// The display grammar: an optional minus, a whole part without leading zeros,
// an optional separator and fraction without trailing zeros, and an optional
// E, sign and at least two exponent digits after a single leading digit;
// never more than 15 significant digits, never "-0".
inline bool isDisplayNumber(std::u16string_view text, std::u16string_view separator) {
  size_t i = 0;
  const bool negative = i < text.size() && text[i] == u'-';
  i += negative;
  const size_t wholeStart = i;
  while (i < text.size() && isDigit(text[i])) {
    ++i;
  }
  const std::u16string_view whole = text.substr(wholeStart, i - wholeStart);
  if (whole.empty() || (whole.size() > 1 && whole[0] == u'0')) {
    return false;
  }
  std::u16string_view fraction;
  if (!separator.empty() && text.substr(i).starts_with(separator)) {
    i += separator.size();
    const size_t fractionStart = i;
    while (i < text.size() && isDigit(text[i])) {
      ++i;
    }
    fraction = text.substr(fractionStart, i - fractionStart);
    if (fraction.empty() || fraction.back() == u'0') {
      return false;
    }
  }
  const bool scientific = i < text.size() && text[i] == u'E';
  if (scientific) {
    if (whole.size() != 1 || whole[0] == u'0' || i + 1 >= text.size() ||
        (text[i + 1] != u'+' && text[i + 1] != u'-')) {
      return false;
    }
    i += 2;
    const size_t exponentStart = i;
    while (i < text.size() && isDigit(text[i])) {
      ++i;
    }
    const size_t exponentDigits = i - exponentStart;
    if (exponentDigits < 2 || (exponentDigits > 2 && text[exponentStart] == u'0')) {
      return false;
    }
  }
  if (i != text.size()) {
    return false;
  }
  const std::u16string_view digits = whole == u"0" ? fraction : whole;
  size_t significant = whole == u"0" ? 0 : whole.size() + fraction.size();
  if (whole == u"0") {
    const size_t first = digits.find_first_not_of(u'0');
    significant = first == std::u16string_view::npos ? 0 : digits.size() - first;
  }
  const bool zero = whole == u"0" && fraction.empty();
  return significant <= 15 && !(negative && zero);
}

// The only 15-digit text of a double that lies beyond the double range: the
// largest doubles round up to it, so it cannot be read back.
inline bool isRoundedUpMaximum(std::u16string_view text, const estimate::Separators& separators) {
  const std::u16string magnitude = u"1" + separators.decimal + u"79769313486232E+308";
  return text == magnitude || text == u"-" + magnitude;
}

// Every text the core shows: well formed, and read back by toNumber to a
// double that is shown with the same text (so it keeps the 15 significant
// digits), within half a unit of the 15th digit of `shown` for normal values.
inline void checkShownText(std::u16string_view text, double shown,
                           const estimate::Separators& separators) {
  check(isDisplayNumber(text, separators.decimal), "a result is a well-formed display number",
        printable(text) + " for " + describe(shown));
  const auto back = attempt([&] { return estimate::toNumber(text, separators); });
  if (back.failure) {
    check(*back.failure == estimate::FailureKind::Overflow && isRoundedUpMaximum(text, separators),
          "a result text reads back with toNumber", printable(text) + " for " + describe(shown));
    return;
  }
  const double y = *back.value;
  const auto again = attempt([&] { return estimate::toText(y, separators); });
  check(again.value && *again.value == text, "a result text read back shows the same text",
        printable(text) + " read back as " + describe(y));
  if (std::fabs(shown) >= 0x1p-1022) {
    check(std::fabs(y - shown) <= 5.2e-15 * std::fabs(shown),
          "a result text keeps 15 significant digits",
          printable(text) + " for " + describe(shown) + " reads back as " + describe(y));
  }
}

}  // namespace fuzz
