#include "estimate/pour_estimate.h"
