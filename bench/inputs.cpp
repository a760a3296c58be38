#include "bench/inputs.h"

#include <cfloat>
#include <cstdint>

namespace bench {
namespace {

// A fixed digit stream, so that every run converts the same long texts.
std::string digits(std::size_t count, std::uint32_t seed) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    seed = seed * 1664525u + 1013904223u;
    text += static_cast<char>('0' + (seed >> 24) % 10);
  }
  if (text[0] == '0') {
    text[0] = '7';
  }
  return text;
}

// `count` digits with the decimal separator after the sixth.
std::string longNumber(std::size_t count, std::uint32_t seed) {
  std::string text = digits(count, seed);
  text.insert(6, 1, '.');
  return text;
}

std::vector<std::string> longNumbers(std::size_t count) {
  return {longNumber(count, 1), longNumber(count, 2), longNumber(count, 3), longNumber(count, 4)};
}

}  // namespace

const std::vector<TextSet>& textSets() {
  static const std::vector<TextSet> sets = {
      {"dimension", {"10", "0.5", " 12.25 ", "1,250", "120", "144", "4", "3.75"}},
      {"price", {"70", "65.5", "55", "72.25", "100", "85", "60.75", "90"}},
      {"digits20", longNumbers(20)},
      {"digits100", longNumbers(100)},
      {"digits1000", longNumbers(1000)},
      {"exponent", {"1.5E3", "4.9E-324", "1.7976931348623157E308", "2.5e-7", "-6.02E+23"}},
  };
  return sets;
}

const std::vector<ValueSet>& valueSets() {
  static const std::vector<ValueSet> sets = {
      {"volume", {1.85, 1.48, 0.04, 12, 103.6, 129.5, 101.75, 0}},
      {"cost", {0.1 + 0.2, 1.1 * 3, 1.0 / 3, 2.0 / 3, 1.85 * 65.5, 3.14159265358979, -123.456789}},
      {"exponent", {1e15, 1.5e-5, 4.9e-324, DBL_MAX, -6.02e23, 1.2345678901234e-100}},
  };
  return sets;
}

std::u16string widen(std::string_view ascii) {
  return {ascii.begin(), ascii.end()};
}

std::string bareNumber(std::string_view typed) {
  std::string bare;
  for (char c : typed) {
    if (c != ' ' && c != ',') {
      bare += c;
    }
  }
  return bare;
}

std::string commaDecimal(std::string_view typed) {
  std::string swapped(typed);
  for (char& c : swapped) {
    c = c == '.' ? ',' : c == ',' ? '.' : c;
  }
  return swapped;
}

}  // namespace bench
