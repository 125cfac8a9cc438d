// The checks GROWTH makes before it touches anything: input that would make
// the models address memory outside the caller's arrays or divide by zero,
// values that can only give nonsense (a percentage beyond 0..100, a removal
// flag other than 0 and 1, a negative or non-finite amount, rate, content or
// deposition), and the rule that an even-aged cohort starts with a planting.
#pragma once

#include <string>

#include "standsim/engine/growth_call.h"

namespace standsim {

// An empty text when CALL may run; else the "E:" message naming the cohort
// or year at fault. Only the scalars are trusted before the counts have
// passed, so the checks run in the order that keeps every read in bounds.
std::string refuse_growth_input(const GrowthCall& call);

}  // namespace standsim
