#include "estimate/text_to_number.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "estimate/failure.h"
#include "estimate/internal/ascii_buffer.h"

namespace estimate {
namespace {

using internal::AsciiBuffer;

// Exponents are read with saturation: a text cannot hold enough digits for
// the cap to change whether it overflows or underflows, and it keeps every
// sum below in range.
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

// The significant digits of the mantissa as ASCII, without leading zeros and
// with trailing zeros only counted, so that 1.50 and 0001.5 read alike and
// long runs of zeros cost nothing.
class SignificantDigits {
 public:
  explicit SignificantDigits(AsciiBuffer& out) : out_(out) {}

  void add(char16_t digit) {
    if (digit == u'0') {
      if (count_ > 0) {
        ++trailingZeros_;
      }
      return;
    }
    for (; trailingZeros_ > 0; --trailingZeros_) {
      out_.push('0');
      ++count_;
    }
    out_.push(static_cast<char>(digit));
    ++count_;
  }

  std::int64_t count() const { return count_; }
  std::int64_t trailingZeros() const { return trailingZeros_; }

 private:
  AsciiBuffer& out_;
  std::int64_t count_ = 0;
  std::int64_t trailingZeros_ = 0;
};

// Reads the number in `text` (already trimmed) into `digits` and gives the
// power of ten the collected digits are to be scaled by.
class NumberReader {
 public:
  NumberReader(std::u16string_view text, const Separators& separators)
      : text_(text),
        decimal_(separators.decimal.empty() ? std::u16string_view(u".")
                                            : std::u16string_view(separators.decimal)),
        group_(separators.group),
        // People type a plain space where their region groups digits with a
        // no-break space.
        spaceGroups_(group_ == u"\u00A0" || group_ == u"\u202F") {}

  bool readSign() {
    if (pos_ < text_.size() && (text_[pos_] == u'+' || text_[pos_] == u'-')) {
      return text_[pos_++] == u'-';
    }
    return false;
  }

  // Returns the count of fraction digits.
  std::int64_t readMantissa(SignificantDigits& digits) {
    std::int64_t integerDigits = 0;
    bool hasDecimal = false;
    while (pos_ < text_.size()) {
      if (isDigit(text_[pos_])) {
        digits.add(text_[pos_++]);
        ++integerDigits;
      } else if (skip(decimal_)) {
        hasDecimal = true;
        break;
      } else if (integerDigits == 0 || !skipGroupSeparatorBeforeDigit()) {
        break;
      }
    }
    std::int64_t fractionDigits = 0;
    while (hasDecimal && pos_ < text_.size() && isDigit(text_[pos_])) {
      digits.add(text_[pos_++]);
      ++fractionDigits;
    }
    if (integerDigits + fractionDigits == 0) {
      notANumber();
    }
    return fractionDigits;
  }

  std::int64_t readExponent() {
    if (pos_ == text_.size() || (text_[pos_] != u'E' && text_[pos_] != u'e')) {
      return 0;
    }
    ++pos_;
    const bool negative = readSign();
    if (pos_ == text_.size() || !isDigit(text_[pos_])) {
      notANumber();
    }
    std::int64_t exponent = 0;
    for (; pos_ < text_.size() && isDigit(text_[pos_]); ++pos_) {
      if (exponent < kExponentCap) {
        exponent = exponent * 10 + (text_[pos_] - u'0');
      }
    }
    return negative ? -exponent : exponent;
  }

  void expectEnd() const {
    if (pos_ != text_.size()) {
      notANumber();
    }
  }

 private:
  bool skip(std::u16string_view separator) {
    if (separator.empty() || text_.substr(pos_).substr(0, separator.size()) != separator) {
      return false;
    }
    pos_ += separator.size();
    return true;
  }

  bool skipGroupSeparatorBeforeDigit() {
    std::size_t length = 0;
    if (!group_.empty() && text_.substr(pos_).substr(0, group_.size()) == group_) {
      length = group_.size();
    } else if (spaceGroups_ && text_[pos_] == u' ') {
      length = 1;
    }
    if (length == 0 || pos_ + length >= text_.size() || !isDigit(text_[pos_ + length])) {
      return false;
    }
    pos_ += length;
    return true;
  }

  std::u16string_view text_;
  std::u16string_view decimal_;
  std::u16string_view group_;
  bool spaceGroups_;
  std::size_t pos_ = 0;
};

}  // namespace

double toNumber(std::u16string_view text, const Separators& separators) {
  NumberReader reader(withoutBlanksAtEnds(text), separators);
  AsciiBuffer ascii;
  const bool negative = reader.readSign();
  if (negative) {
    ascii.push('-');
  }
  SignificantDigits digits(ascii);
  const std::int64_t fractionDigits = reader.readMantissa(digits);
  const std::int64_t exponent = reader.readExponent();
  reader.expectEnd();

  const double zero = negative ? -0.0 : 0.0;
  if (digits.count() == 0) {
    return zero;
  }
  // value = digits × 10^scale, with its leading digit at 10^leading.
  const std::int64_t scale = exponent - fractionDigits + digits.trailingZeros();
  const std::int64_t leading = scale + digits.count() - 1;
  if (leading >= kAlwaysOverflows) {
    throw Failure(FailureKind::Overflow);
  }
  if (leading <= kAlwaysUnderflows) {
    return zero;
  }
  char exponentText[24] = {'e'};
  const auto written = std::to_chars(exponentText + 1, std::end(exponentText), scale).ptr;
  ascii.append(exponentText, written);

  double value = 0;
  const auto [end, error] =
      std::from_chars(ascii.begin(), ascii.end(), value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    // Reported for both ends of the range, with `value` untouched.
    if (leading > 0) {
      throw Failure(FailureKind::Overflow);
    }
    return zero;
  }
  if (error != std::errc() || end != ascii.end()) {
    notANumber();  // not reachable: the text was checked above
  }
  return value;
}

}  // namespace estimate
