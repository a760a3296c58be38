#include "estimate/number_to_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "estimate/failure.h"

namespace estimate {

namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

std::u16string toText(double x, const Separators& separators) {
  // Only C++ callers can hand in an infinity or a NaN; no text of ours may
  // show one, and a failure is what the rest of the core gives for them.
  if (!std::isfinite(x)) {
    throw Failure(FailureKind::Overflow);
  }
  if (x == 0) {
    return u"0";  // either sign
  }
  // What "%.15G" writes in the C locale: 15 significant digits, trailing
  // zeros dropped, exponent form when the decimal exponent after rounding is
  // below -4 or at least 15, the exponent signed and of two digits or more.
  std::array<char, 32> ascii;
  const char* const end = std::to_chars(ascii.data(), ascii.data() + ascii.size(), x,
                                        std::chars_format::general, kSignificantDigits)
                              .ptr;
  const std::u16string_view separator =
      separators.decimal.empty() ? std::u16string_view(u".") : separators.decimal;
  std::u16string text;
  // The separator takes the place of the point, if there is one.
  text.reserve(static_cast<std::size_t>(end - ascii.data()) - 1 + separator.size());
  for (const char* p = ascii.data(); p != end; ++p) {
    if (*p == '.') {
      text += separator;
    } else {
      text += *p == 'e' ? u'E' : static_cast<char16_t>(*p);
    }
  }
  return text;
}

}  // namespace estimate
