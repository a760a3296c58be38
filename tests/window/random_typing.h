#pragma once

#include <random>

#include <QString>

namespace quarvel::testing {

// What a user might type into a number field, good and bad: plain and
// grouped numbers with either separator, exponents at and beyond the double
// range, letters, non-ASCII digits and signs, blanks, and very long numbers.
class RandomTyping {
 public:
  explicit RandomTyping(std::mt19937_64& random) : random_(random) {}

  // Anything at all, most of it not a number.
  QString next();
  // A plain number as a user means to type it, sometimes with a fraction.
  QString number();

 private:
  QString piece();
  QString digits(int least, int most);
  int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

  std::mt19937_64& random_;
};

}  // namespace quarvel::testing
