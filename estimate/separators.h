#pragma once

#include <string>

namespace estimate {

// The user's regional number separators. Either may be several UTF-16 code
// units long or a non-ASCII character (U+202F, U+2019, ...). An empty group
// separator means numbers are written without grouping.
struct Separators {
  std::u16string decimal = u".";
  std::u16string group = u",";
};

}  // namespace estimate
