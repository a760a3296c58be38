#include "estimate/number_to_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "estimate/failure.h"

namespace estimate {
namespace {

constexpr int kSignificantDigits = 15;
// Fixed form for decimal exponents in [-4, 15), exponent form outside.
constexpr int kLowestFixedExponent = -4;
constexpr int kFirstExponentForm = kSignificantDigits;

// The value rounded once to 15 significant digits, as d.dddd × 10^exponent.
struct Decimal {
  bool negative = false;
  char digits[kSignificantDigits] = {};
  int count = 0;  // without trailing zeros, at least 1
  int exponent = 0;
};

Decimal roundedTo15Digits(double x) {
  // Layout: [-]d.dddddddddddddde(+|-)dd[d]
  char text[32];
  const char* const end =
      std::to_chars(text, std::end(text), x, std::chars_format::scientific, kSignificantDigits - 1)
          .ptr;
  Decimal decimal;
  const char* p = text;
  decimal.negative = *p == '-';
  p += decimal.negative ? 1 : 0;
  decimal.digits[0] = *p;
  p += 2;
  for (int i = 1; i < kSignificantDigits; ++i) {
    decimal.digits[i] = *p++;
  }
  ++p;  // 'e'
  const bool negativeExponent = *p++ == '-';
  for (; p != end; ++p) {
    decimal.exponent = decimal.exponent * 10 + (*p - '0');
  }
  decimal.exponent = negativeExponent ? -decimal.exponent : decimal.exponent;
  decimal.count = kSignificantDigits;
  while (decimal.count > 1 && decimal.digits[decimal.count - 1] == '0') {
    --decimal.count;
  }
  return decimal;
}

// The text is ASCII except the decimal separator, which is the user's and
// may be anything: it is assembled as head, separator (when there is a
// fraction), fraction and tail, and copied once into the result.
class TextParts {
 public:
  void head(char c) { head_[headSize_++] = c; }
  void fraction(char c) { fraction_[fractionSize_++] = c; }
  void tail(char c) { tail_[tailSize_++] = c; }

  std::u16string join(std::u16string_view separator) const {
    const std::size_t separatorSize = fractionSize_ > 0 ? separator.size() : 0;
    std::u16string text(headSize_ + separatorSize + fractionSize_ + tailSize_, u'0');
    char16_t* out = text.data();
    out = std::copy(head_, head_ + headSize_, out);
    out = std::copy(separator.data(), separator.data() + separatorSize, out);
    out = std::copy(fraction_, fraction_ + fractionSize_, out);
    std::copy(tail_, tail_ + tailSize_, out);
    return text;
  }

 private:
  // Sign and at most 15 digits before the separator; at most 3 leading
  // zeros and 15 digits after it; "E", sign and up to 3 exponent digits.
  char head_[1 + kSignificantDigits];
  char fraction_[3 + kSignificantDigits];
  char tail_[5];
  int headSize_ = 0;
  int fractionSize_ = 0;
  int tailSize_ = 0;
};

void writeFixed(const Decimal& decimal, TextParts& parts) {
  if (decimal.exponent < 0) {
    parts.head('0');
    for (int i = -1; i > decimal.exponent; --i) {
      parts.fraction('0');
    }
    for (int i = 0; i < decimal.count; ++i) {
      parts.fraction(decimal.digits[i]);
    }
    return;
  }
  for (int i = 0; i <= decimal.exponent; ++i) {
    parts.head(i < decimal.count ? decimal.digits[i] : '0');
  }
  for (int i = decimal.exponent + 1; i < decimal.count; ++i) {
    parts.fraction(decimal.digits[i]);
  }
}

void writeWithExponent(const Decimal& decimal, TextParts& parts) {
  parts.head(decimal.digits[0]);
  for (int i = 1; i < decimal.count; ++i) {
    parts.fraction(decimal.digits[i]);
  }
  parts.tail('E');
  parts.tail(decimal.exponent < 0 ? '-' : '+');
  const int magnitude = std::abs(decimal.exponent);
  if (magnitude >= 100) {
    parts.tail(static_cast<char>('0' + magnitude / 100));
  }
  parts.tail(static_cast<char>('0' + magnitude / 10 % 10));
  parts.tail(static_cast<char>('0' + magnitude % 10));
}

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
  const Decimal decimal = roundedTo15Digits(x);
  TextParts parts;
  if (decimal.negative) {
    parts.head('-');
  }
  if (decimal.exponent >= kLowestFixedExponent && decimal.exponent < kFirstExponentForm) {
    writeFixed(decimal, parts);
  } else {
    writeWithExponent(decimal, parts);
  }
  const std::u16string_view separator =
      separators.decimal.empty() ? std::u16string_view(u".") : separators.decimal;
  return parts.join(separator);
}

}  // namespace estimate
