#include "estimate/round_half_even.h"
