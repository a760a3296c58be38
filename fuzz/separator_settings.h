#pragma once

#include <array>

#include "estimate/separators.h"

namespace fuzz {

// Regional settings a user of the window may have. Entry 0 is English, so a
// seed without a choice byte runs under the default separators.
inline const std::array<estimate::Separators, 6> kSeparatorSettings = {{
    {u".", u","},            // English
    {u",", u"."},            // German, Italian, Spanish
    {u",", u"\u202F"},       // French: narrow no-break space between groups
    {u".", u"\u2019"},       // Swiss German: right single quotation mark
    {u",", u""},             // comma decimal without grouping
    {u"\u066B", u"\u066C"},  // Arabic decimal and thousands separators
}};

}  // namespace fuzz
