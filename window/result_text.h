#pragma once

#include <QString>

namespace quarvel {

// A number as the estimating core writes it ([-]digits[separator digits][E±dd])
// split into what a shortened form needs.
struct NumberParts {
  bool negative = false;
  QString digits;     // significant digits, without leading or trailing zeros; "0" for zero
  int exponent = 0;   // of the first digit, as in d.ddd × 10^exponent
  QString separator;  // the one written, or empty
};

NumberParts numberParts(const QString& number);

// The number in exponent form with only its first `digits` significant
// digits, cut rather than rounded and followed by "…" when digits are left
// out: "25925925925.9" with 4 digits is "2.592…E+10". `decimal` separates
// the digits when the number itself shows no separator.
QString shortenedNumber(const NumberParts& number, int digits, const QString& decimal);

}  // namespace quarvel
