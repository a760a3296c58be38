#include "estimate/step_rounding.h"
