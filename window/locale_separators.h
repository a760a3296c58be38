#pragma once

#include "estimate/separators.h"

namespace quarvel {

// The user's decimal and group separators at this moment.
estimate::Separators systemSeparators();

}  // namespace quarvel
