#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "estimate/estimate.h"
#include "properties.h"

namespace fuzz {

// Text to number worked out a second way: the text is rewritten as a plain
// ASCII C number (separators dropped or turned into '.') and read by strtod,
// the C library's correctly rounded conversion, rather than by from_chars.
// The grammar is the display's: blanks at the ends, a sign, digits with group
// separators between them (a plain space too where the region groups with a
// no-break space), one decimal separator, an exponent.
class ReferenceNumber {
 public:
  static Outcome<double> read(std::u16string_view text, const estimate::Separators& separators) {
    std::string ascii;
    if (!rewrite(trimmed(text), separators, ascii)) {
      return Outcome<double>::failed(estimate::FailureKind::TypeMismatch);
    }
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (std::isinf(value)) {
      return Outcome<double>::failed(estimate::FailureKind::Overflow);
    }
    return {value, std::nullopt};
  }

 private:
  static bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F';
  }

  static std::u16string_view trimmed(std::u16string_view text) {
    const auto notBlank = [](char16_t c) { return !isBlank(c); };
    const auto first = std::find_if(text.begin(), text.end(), notBlank);
    const auto last = std::find_if(text.rbegin(), text.rend(), notBlank).base();
    return first < last ? std::u16string_view(first, last) : std::u16string_view();
  }

  // Appends the digits at the start of `text` to `ascii` and drops them.
  static size_t takeDigits(std::u16string_view& text, std::string& ascii) {
    size_t count = 0;
    while (count < text.size() && isDigit(text[count])) {
      ascii.push_back(static_cast<char>(text[count++]));
    }
    text.remove_prefix(count);
    return count;
  }

  static bool takeSeparator(std::u16string_view& text, std::u16string_view separator) {
    if (separator.empty() || !text.starts_with(separator)) {
      return false;
    }
    text.remove_prefix(separator.size());
    return true;
  }

  // A group separator counts only between two digits.
  static bool takeGroupSeparator(std::u16string_view& text,
                                 const estimate::Separators& separators) {
    const bool noBreakGroups = separators.group == u"\u00A0" || separators.group == u"\u202F";
    for (const std::u16string_view group :
         {std::u16string_view(separators.group), std::u16string_view(noBreakGroups ? u" " : u"")}) {
      if (!group.empty() && text.starts_with(group) && text.size() > group.size() &&
          isDigit(text[group.size()])) {
        text.remove_prefix(group.size());
        return true;
      }
    }
    return false;
  }

  static bool rewrite(std::u16string_view text, const estimate::Separators& separators,
                      std::string& ascii) {
    const std::u16string_view decimal =
        separators.decimal.empty() ? std::u16string_view(u".") : separators.decimal;
    if (!text.empty() && (text[0] == u'+' || text[0] == u'-')) {
      ascii.push_back(static_cast<char>(text[0]));
      text.remove_prefix(1);
    }
    size_t mantissaDigits = takeDigits(text, ascii);
    while (mantissaDigits > 0 && !text.starts_with(decimal) &&
           takeGroupSeparator(text, separators)) {
      mantissaDigits += takeDigits(text, ascii);
    }
    if (takeSeparator(text, decimal)) {
      ascii.push_back('.');
      mantissaDigits += takeDigits(text, ascii);
    }
    if (mantissaDigits == 0) {
      return false;
    }
    if (!text.empty() && (text[0] == u'E' || text[0] == u'e')) {
      ascii.push_back('e');
      text.remove_prefix(1);
      if (!text.empty() && (text[0] == u'+' || text[0] == u'-')) {
        ascii.push_back(static_cast<char>(text[0]));
        text.remove_prefix(1);
      }
      if (takeDigits(text, ascii) == 0) {
        return false;
      }
    }
    return text.empty();
  }
};

}  // namespace fuzz
