#include "estimate/text_to_number.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

#include <fast_float/fast_float.h>

#include "estimate/failure.h"

namespace estimate {
namespace {

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

// Writes the user's number to `out` as the plain ASCII text from_chars reads and gives the end
// written, never more chars than `text` has units. The decimal separator becomes '.'; group
// separators (only between digits before the decimal separator) and a '+' before the digits are
// dropped; any character but digits, signs and the exponent letter, written 'e', is rejected. The
// grammar of digits, point and exponent is left to from_chars.
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
  // fast_float rather than std::from_chars, which libc++ before LLVM 20 (and
  // so Apple's) lacks for doubles. It reports no range errors: beyond the
  // largest double it gives an infinity, below the smallest a zero of the
  // text's sign, which is already the answer.
  double value = 0;
  const auto [parsed, error] = fast_float::from_chars(plain, end, value);
  if (parsed != end || error != std::errc()) {
    notANumber();
  }
  if (std::isinf(value)) {
    throw Failure(FailureKind::Overflow);
  }
  return value;
}

}  // namespace estimate
