#include "estimate/text_to_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "estimate/failure.h"

namespace estimate {
namespace {

// Exponents are read with saturation when a number is out of range: no text
// can hold enough digits for the cap to change which end it is out at.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

constexpr bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

constexpr bool isBlank(char16_t c) {
  // No-break spaces come with numbers copied from documents and with the
  // group separator of many regions.
  return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F';
}

[[noreturn]] void notANumber() {
  throw Failure(FailureKind::TypeMismatch);
}

std::u16string_view withoutBlanks(std::u16string_view text) {
  while (!text.empty() && isBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// The length of the group separator at the start of `rest` when a digit
// follows it, or 0.
std::size_t groupBeforeDigit(std::u16string_view rest, std::u16string_view group) {
  std::size_t size = !group.empty() && rest.starts_with(group) ? group.size() : 0;
  // People type a plain space where their region groups digits with a
  // no-break space.
  if (size == 0 && rest.front() == u' ' && (group == u"\u00A0" || group == u"\u202F")) {
    size = 1;
  }
  return size != 0 && size < rest.size() && isDigit(rest[size]) ? size : 0;
}

// Writes the user's number to `out` as the plain ASCII text std::from_chars
// reads and gives the end written, never more chars than `text` has units.
// The decimal separator becomes '.'; group separators (only between digits
// before the decimal separator) and a '+' before the digits are dropped; any
// character but digits, signs and the exponent letter, written 'e', is
// rejected. The grammar of digits, point and exponent is left to from_chars.
char* writePlainNumber(std::u16string_view text, const Separators& separators, char* out) {
  const std::u16string_view decimal =
      separators.decimal.empty() ? std::u16string_view(u".") : separators.decimal;
  std::size_t i = 0;
  if (text.starts_with(u'-')) {
    *out++ = '-';
    i = 1;
  } else if (text.starts_with(u'+')) {
    if (text.substr(1).starts_with(u'-')) {
      notANumber();  // from_chars would read the second sign as the only one
    }
    i = 1;
  }
  const char* const digitsStart = out;
  bool inWholePart = true;
  while (i < text.size()) {
    // Runs of digits, where the time goes, are copied in a loop of their own.
    while (i < text.size() && isDigit(text[i])) {
      *out++ = static_cast<char>(text[i++]);
    }
    if (i == text.size()) {
      break;
    }
    if (inWholePart && text.substr(i).starts_with(decimal)) {
      *out++ = '.';
      i += decimal.size();
      inWholePart = false;
      continue;
    }
    const std::size_t group =
        inWholePart && out != digitsStart ? groupBeforeDigit(text.substr(i), separators.group) : 0;
    if (group != 0) {
      i += group;
      continue;
    }
    const char16_t c = text[i++];
    if (c != u'E' && c != u'e' && c != u'+' && c != u'-') {
      notANumber();
    }
    *out++ = c == u'E' ? 'e' : static_cast<char>(c);
    inWholePart = false;
  }
  return out;
}

// For a plain number that from_chars found beyond the double range: whether
// its leading digit lies above 10^0, so that it is too large, not too small.
bool beyondLargest(std::string_view plain) {
  const std::size_t exponentAt = std::min(plain.find('e'), plain.size());
  const std::string_view digits = plain.substr(0, exponentAt);
  const std::size_t first = digits.find_first_not_of("-0.");
  const std::size_t point = std::min(digits.find('.'), digits.size());
  // The power of ten of the leading digit, from the digits alone.
  std::int64_t leading = 0;
  if (first != std::string_view::npos) {
    leading = first < point ? static_cast<std::int64_t>(point - first) - 1
                            : -static_cast<std::int64_t>(first - point);
  }
  std::string_view exponent = plain.substr(std::min(exponentAt + 1, plain.size()));
  const bool negative = exponent.starts_with('-');
  if (negative || exponent.starts_with('+')) {
    exponent.remove_prefix(1);
  }
  std::int64_t magnitude = 0;
  for (const char c : exponent) {
    magnitude = std::min(magnitude * 10 + (c - '0'), kExponentCap);
  }
  return leading + (negative ? -magnitude : magnitude) > 0;
}

}  // namespace

double toNumber(std::u16string_view text, const Separators& separators) {
  text = withoutBlanks(text);
  // Room for the plain text: on the stack for what people type or paste, on
  // the heap for longer texts.
  std::array<char, 128> small;
  std::string large;
  char* plain = small.data();
  if (text.size() > small.size()) {
    large.resize(text.size());
    plain = large.data();
  }
  const char* const end = writePlainNumber(text, separators, plain);
  double value = 0;
  const auto [parsed, error] = std::from_chars(plain, end, value);
  if (parsed != end || (error != std::errc() && error != std::errc::result_out_of_range)) {
    notANumber();
  }
  if (error == std::errc()) {
    return value;
  }
  // Reported for both ends of the range, with `value` untouched.
  if (beyondLargest(std::string_view(plain, end))) {
    throw Failure(FailureKind::Overflow);
  }
  return *plain == '-' ? -0.0 : 0.0;
}

}  // namespace estimate
