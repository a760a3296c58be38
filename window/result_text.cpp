#include "window/result_text.h"

#include <cstdlib>

namespace quarvel {

NumberParts numberParts(const QString& number) {
  NumberParts parts;
  parts.negative = number.startsWith(QLatin1Char('-'));
  QString all;
  qsizetype wholeDigits = -1;
  qsizetype i = parts.negative ? 1 : 0;
  for (; i < number.size() && number[i] != QLatin1Char('E'); ++i) {
    if (number[i].isDigit()) {
      all += number[i];
    } else {
      wholeDigits = wholeDigits < 0 ? all.size() : wholeDigits;
      parts.separator += number[i];
    }
  }
  wholeDigits = wholeDigits < 0 ? all.size() : wholeDigits;
  const int written = i < number.size() ? number.mid(i + 1).toInt() : 0;
  qsizetype first = 0;
  while (first + 1 < all.size() && all[first] == QLatin1Char('0')) {
    ++first;
  }
  qsizetype end = all.size();
  while (end > first + 1 && all[end - 1] == QLatin1Char('0')) {
    --end;
  }
  parts.digits = all.mid(first, end - first);
  parts.exponent =
      parts.digits == QLatin1String("0") ? 0 : written + static_cast<int>(wholeDigits - first) - 1;
  return parts;
}

QString shortenedNumber(const NumberParts& number, int digits, const QString& decimal) {
  QString text = number.negative ? QStringLiteral("-") : QString();
  text += number.digits.left(1);
  const QString rest = number.digits.mid(1, digits - 1);
  if (!rest.isEmpty()) {
    text += (number.separator.isEmpty() ? decimal : number.separator) + rest;
  }
  if (digits < number.digits.size()) {
    text += QChar(0x2026);  // …
  }
  text += number.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
  text += QStringLiteral("%1").arg(std::abs(number.exponent), 2, 10, QLatin1Char('0'));
  return text;
}

}  // namespace quarvel
