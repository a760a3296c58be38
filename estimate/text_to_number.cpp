#include "estimate/text_to_number.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

#include "estimate/failure.h"
#include "estimate/internal/ascii_scratch.h"
#include "estimate/internal/digit_run.h"

namespace estimate {
namespace {

using internal::copyDigitRun;
using internal::isDigit;

// Exponents are read with saturation when a number is out of range: no text
// can hold enough digits for the cap to change which end it is out at.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

constexpr bool isBlank(char16_t c) {
  // No-break spaces come with numbers copied from documents and with the
  // group separator of many regions.
  return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F';
}

[[noreturn]] void notANumber() {
  throw Failure(FailureKind::TypeMismatch);
}

// The length of `separator` at `p` (before `last`), or 0. The first unit
// alone settles it for the usual one-unit separators.
std::size_t separatorAt(const char16_t* p, const char16_t* last, const std::u16string& separator) {
  const std::size_t size = separator.size();
  if (size == 0 || *p != separator[0]) {
    return 0;
  }
  if (size > 1 && (static_cast<std::size_t>(last - p) < size ||
                   !std::equal(separator.begin() + 1, separator.end(), p + 1))) {
    return 0;
  }
  return size;
}

// Rewrites the user's number as the plain ASCII text std::from_chars reads,
// and leaves the grammar of digits, point and exponent for it to check: here
// the decimal separator becomes '.', group separators (only between digits
// before the decimal separator) and a '+' before the digits are dropped, and
// any character but digits, signs and the exponent letter, written 'e', is
// rejected. Separators are only looked at when a character is not a digit.
// The result is never longer than the text.
class PlainNumberWriter {
 public:
  PlainNumberWriter(const char16_t* last, const Separators& separators, char* out)
      : last_(last), separators_(separators), out_(out) {}

  // Writes the sign at `p`, if any, and gives the position after it.
  const char16_t* writeSign(const char16_t* p) {
    if (p != last_ && (*p == u'+' || *p == u'-')) {
      if (*p++ == u'-') {
        *out_++ = '-';
      } else if (p != last_ && *p == u'-') {
        notANumber();  // from_chars would read the second sign as the only one
      }
    }
    return p;
  }

  // Writes the rest of the number from `p` and gives the end written.
  char* write(const char16_t* p) {
    integer_ = out_;
    while ((p = copyDigitRun(p, last_, out_)) != last_) {
      p = writeOther(p);
    }
    return out_;
  }

 private:
  // Writes what the character at `p`, not a digit, stands for and gives the
  // position after it.
  const char16_t* writeOther(const char16_t* p) {
    if (inInteger_) {
      if (const std::size_t decimal = decimalAt(p)) {
        *out_++ = '.';
        inInteger_ = false;
        return p + decimal;
      }
      const std::size_t group = out_ != integer_ ? groupAt(p) : 0;
      if (group != 0 && last_ - p > static_cast<std::ptrdiff_t>(group) && isDigit(p[group])) {
        return p + group;
      }
      inInteger_ = false;
    }
    const char16_t c = *p;
    if (c != u'E' && c != u'e' && c != u'+' && c != u'-') {
      notANumber();
    }
    *out_++ = c == u'E' ? 'e' : static_cast<char>(c);
    return p + 1;
  }

  std::size_t decimalAt(const char16_t* p) const {
    if (separators_.decimal.empty()) {
      return *p == u'.' ? 1 : 0;
    }
    return separatorAt(p, last_, separators_.decimal);
  }

  std::size_t groupAt(const char16_t* p) const {
    if (const std::size_t group = separatorAt(p, last_, separators_.group)) {
      return group;
    }
    // People type a plain space where their region groups digits with a
    // no-break space.
    return *p == u' ' && (separators_.group == u"\u00A0" || separators_.group == u"\u202F") ? 1 : 0;
  }

  const char16_t* const last_;
  const Separators& separators_;
  char* out_;
  const char* integer_ = nullptr;
  bool inInteger_ = true;
};

// For a plain number that from_chars found beyond the double range: whether
// its leading digit lies above 10^0, so that it is too large, not too small.
bool beyondLargest(const char* p, const char* last) {
  p += *p == '-' ? 1 : 0;
  while (p != last && *p == '0') {
    ++p;
  }
  std::int64_t integerDigits = 0;
  for (; p != last && isDigit(*p); ++p) {
    ++integerDigits;
  }
  std::int64_t zerosAfterPoint = 0;
  if (integerDigits == 0 && p != last && *p == '.') {
    for (++p; p != last && *p == '0'; ++p) {
      ++zerosAfterPoint;
    }
  }
  p = std::find(p, last, 'e');
  const bool negative = p != last && ++p != last && *p == '-';
  p += p != last && (*p == '-' || *p == '+') ? 1 : 0;
  std::int64_t exponent = 0;
  for (; p != last; ++p) {
    exponent = std::min(exponent * 10 + (*p - '0'), kExponentCap);
  }
  const std::int64_t leading = (integerDigits > 0 ? integerDigits - 1 : -zerosAfterPoint - 1) +
                               (negative ? -exponent : exponent);
  return leading > 0;
}

}  // namespace

double toNumber(std::u16string_view text, const Separators& separators) {
  const char16_t* first = text.data();
  const char16_t* const last = first + text.size();
  const char16_t* end = last;
  while (end != first && !isDigit(end[-1]) && isBlank(end[-1])) {
    --end;
  }
  // Every ASCII character stands for at least one code unit of the text.
  internal::AsciiScratch scratch(static_cast<std::size_t>(end - first) + internal::kDigitRunSlack);
  char* const plain = scratch.data();
  PlainNumberWriter writer(end, separators, plain);
  // Most texts start with a digit, and so with neither blank nor sign.
  if (first != end && !isDigit(*first)) {
    while (first != end && isBlank(*first)) {
      ++first;
    }
    first = writer.writeSign(first);
  }
  const char* const plainEnd = writer.write(first);

  double value = 0;
  const auto [parsed, error] = std::from_chars(plain, plainEnd, value);
  if (error == std::errc() && parsed == plainEnd) {
    return value;
  }
  if (error != std::errc::result_out_of_range || parsed != plainEnd) {
    notANumber();
  }
  // Reported for both ends of the range, with `value` untouched.
  if (beyondLargest(plain, plainEnd)) {
    throw Failure(FailureKind::Overflow);
  }
  return *plain == '-' ? -0.0 : 0.0;
}

}  // namespace estimate
