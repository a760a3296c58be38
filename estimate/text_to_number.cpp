#include "estimate/text_to_number.h"
