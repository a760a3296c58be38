#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bench {

// Number texts as a user types them with English settings. Every text is a
// valid number, so a benchmark measures conversion and never a rejection.
struct TextSet {
  std::string name;
  std::vector<std::string> texts;
};

// Values as the estimate hands them to the display conversion.
struct ValueSet {
  std::string name;
  std::vector<double> values;
};

const std::vector<TextSet>& textSets();
const std::vector<ValueSet>& valueSets();

// The UTF-16 text the window's controls would hold.
std::u16string widen(std::string_view ascii);
// What the C library and std::from_chars accept for the same number: no
// blanks around it and no group separators.
std::string bareNumber(std::string_view typed);
// The same number as typed under a comma-decimal setting (1.250,5).
std::string commaDecimal(std::string_view typed);

}  // namespace bench
