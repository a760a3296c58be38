#include "estimate/text_to_number.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <system_error>

#include "estimate/failure.h"
#include "estimate/internal/ascii_scratch.h"

namespace estimate {
namespace {

// Exponents are read with saturation: no text can hold enough digits for the
// cap to change whether it overflows or underflows, and it keeps every sum
// below in range.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

// Decimal exponents of the leading digit beyond which the outcome is known
// without converting: 1E+309 exceeds the largest double, and anything below
// 1E-325 is less than half the smallest subnormal.
constexpr std::int64_t kAlwaysOverflows = 309;
constexpr std::int64_t kAlwaysUnderflows = -326;

constexpr bool isBlank(char16_t c) {
  // No-break spaces come with numbers copied from documents and with the
  // group separator of many regions.
  return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F';
}

constexpr bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

std::u16string_view withoutBlanksAtEnds(std::u16string_view text) {
  while (!text.empty() && isBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

[[noreturn]] void notANumber() {
  throw Failure(FailureKind::TypeMismatch);
}

// The number in the form the standard conversion reads: '-', digits, '.',
// digits, 'e' and the exponent as written; with the decimal exponent of its
// first significant digit, to tell overflow from underflow.
struct AsciiNumber {
  const char* begin;
  const char* end;
  bool negative;
  bool isZero;
  std::int64_t leadingExponent;
};

// Checks the text against the number grammar while copying it to ASCII in
// one pass: the decimal separator becomes '.', group separators and a '+'
// before the digits are dropped.
class NumberReader {
 public:
  NumberReader(std::u16string_view text, const Separators& separators)
      : at_(text.data()),
        end_(text.data() + text.size()),
        decimal_(separators.decimal.empty() ? std::u16string_view(u".")
                                            : std::u16string_view(separators.decimal)),
        group_(separators.group),
        // People type a plain space where their region groups digits with a
        // no-break space.
        spaceGroups_(group_.size() == 1 && (group_[0] == u'\u00A0' || group_[0] == u'\u202F')) {}

  AsciiNumber read(char* const begin) {
    char* out = begin;
    const bool negative = readSign();
    if (negative) {
      *out++ = '-';
    }
    char* const mantissa = out;
    bool hasDecimal = false;
    for (;;) {
      at_ = copyDigits(at_, end_, out);
      if (at_ == end_) {
        break;
      }
      if (skip(decimal_)) {
        hasDecimal = true;
        break;
      }
      if (out == mantissa || !skipGroupSeparatorBeforeDigit()) {
        break;
      }
    }
    char* const point = out;
    if (hasDecimal) {
      *out++ = '.';
      at_ = copyDigits(at_, end_, out);
    }
    char* const mantissaEnd = out;
    if (mantissaEnd - mantissa == (hasDecimal ? 1 : 0)) {
      notANumber();
    }
    const std::int64_t exponent = readExponent(out);
    if (at_ != end_) {
      notANumber();
    }
    const char* first = mantissa;
    while (first != mantissaEnd && (*first == '0' || *first == '.')) {
      ++first;
    }
    const std::int64_t leading = first < point ? point - first - 1 : point - first;
    return {begin, out, negative, first == mantissaEnd, exponent + leading};
  }

 private:
  // Works on copies of the cursors: stores through `out` could otherwise
  // make every step reload them.
  static const char16_t* copyDigits(const char16_t* at, const char16_t* end, char*& out) {
    char* o = out;
    for (; at != end && isDigit(*at); ++at) {
      *o++ = static_cast<char>(*at);
    }
    out = o;
    return at;
  }

  bool readSign() {
    if (at_ != end_ && (*at_ == u'+' || *at_ == u'-')) {
      return *at_++ == u'-';
    }
    return false;
  }

  // Copies the exponent to `out` as written and returns its value, which
  // saturates far beyond the double range.
  std::int64_t readExponent(char*& out) {
    if (at_ == end_ || (*at_ != u'E' && *at_ != u'e')) {
      return 0;
    }
    ++at_;
    *out++ = 'e';
    const bool negative = readSign();
    if (negative) {
      *out++ = '-';
    }
    const char16_t* const digits = at_;
    char* const written = out;
    at_ = copyDigits(at_, end_, out);
    if (at_ == digits) {
      notANumber();
    }
    std::int64_t exponent = 0;
    for (const char* digit = written; digit != out && exponent < kExponentCap; ++digit) {
      exponent = exponent * 10 + (*digit - '0');
    }
    return negative ? -exponent : exponent;
  }

  bool startsWith(std::u16string_view separator) const {
    // The first unit alone settles it for the usual one-unit separators.
    return !separator.empty() && *at_ == separator[0] &&
           (separator.size() == 1 || std::u16string_view(at_, end_ - at_).starts_with(separator));
  }

  bool skip(std::u16string_view separator) {
    if (!startsWith(separator)) {
      return false;
    }
    at_ += separator.size();
    return true;
  }

  bool skipGroupSeparatorBeforeDigit() {
    std::size_t length = 0;
    if (startsWith(group_)) {
      length = group_.size();
    } else if (spaceGroups_ && *at_ == u' ') {
      length = 1;
    }
    if (length == 0 || end_ - at_ <= static_cast<std::ptrdiff_t>(length) || !isDigit(at_[length])) {
      return false;
    }
    at_ += length;
    return true;
  }

  const char16_t* at_;
  const char16_t* const end_;
  std::u16string_view decimal_;
  std::u16string_view group_;
  bool spaceGroups_;
};

}  // namespace

double toNumber(std::u16string_view text, const Separators& separators) {
  text = withoutBlanksAtEnds(text);
  // Every ASCII character stands for at least one code unit of the text.
  internal::AsciiScratch scratch(text.size());
  const AsciiNumber number = NumberReader(text, separators).read(scratch.data());

  const double zero = number.negative ? -0.0 : 0.0;
  if (number.isZero) {
    return zero;
  }
  if (number.leadingExponent >= kAlwaysOverflows) {
    throw Failure(FailureKind::Overflow);
  }
  if (number.leadingExponent <= kAlwaysUnderflows) {
    return zero;
  }
  double value = 0;
  const auto [end, error] =
      std::from_chars(number.begin, number.end, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    // Reported for both ends of the range, with `value` untouched.
    if (number.leadingExponent > 0) {
      throw Failure(FailureKind::Overflow);
    }
    return zero;
  }
  if (error != std::errc() || end != number.end) {
    notANumber();  // not reachable: the text was checked on the way in
  }
  return value;
}

}  // namespace estimate
