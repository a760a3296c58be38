#pragma once

#include "estimate/failure.h"
#include "estimate/number_to_text.h"
#include "estimate/pour_estimate.h"
#include "estimate/round_half_even.h"
#include "estimate/separators.h"
#include "estimate/step_rounding.h"
#include "estimate/text_to_number.h"
