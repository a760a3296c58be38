#include "tests/window/random_typing.h"

#include <array>

namespace quarvel::testing {
namespace {

// Texts typed whole. Every character is printable: a key that produces a
// control or format character inserts nothing in any line edit.
const std::array kFixedPieces = {
    u"7 ft",   u"ft",     u"x",        u"E",     u"e5",      u"in",      u"abc",
    u"-",      u"+",      u".",        u",",     u" ",       u"  ",      u"\u00A0",
    u"\u202F", u"'",      u"\u2019",   u"é",     u"½",       u"٣",       u"１２",
    u"€",      u"\u2212", u"😀",        u"1E308", u"1E309",   u"1E999",   u"1E-400",
    u"9E307",  u"-1E308", u"4.9E-324", u"0",     u"1,250.5", u"1.250,5", u"1 250",
    u"1,5",    u"0.5",    u"0,5",      u"-0",    u".5",      u"5.",      u"1.5E3",
    u"2e-5",   u"1e",     u"&H10",     u"(5)",   u"5-",      u"١٢",      u"1.79769313486232E+308",
};

}  // namespace

QString RandomTyping::next() {
  QString text;
  for (int pieces = 1 + below(3); pieces > 0; --pieces) {
    text += piece();
  }
  return text;
}

QString RandomTyping::number() {
  QString text = digits(1, 3);
  if (below(2) == 0) {
    text += u'.' + digits(1, 2);
  }
  return text;
}

QString RandomTyping::piece() {
  switch (below(10)) {
    case 0:
    case 1:
    case 2:
      return digits(1, 4);
    case 3:
      return digits(1, 3) + (below(2) == 0 ? u'.' : u',') + digits(1, 3);
    case 4:
      return digits(1, 2) + u'E' + (below(2) == 0 ? u'-' : u'+') + digits(1, 3);
    case 5:
      // Very long: hundreds of digits.
      return digits(100, 400);
    default: {
      const char16_t* fixed = kFixedPieces[below(static_cast<int>(kFixedPieces.size()))];
      return QString::fromUtf16(fixed);
    }
  }
}

QString RandomTyping::digits(int least, int most) {
  QString text;
  for (int count = least + below(most - least + 1); count > 0; --count) {
    text += QChar(u'0' + below(10));
  }
  return text;
}

}  // namespace quarvel::testing
