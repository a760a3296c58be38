#include "estimate/number_to_text.h"
